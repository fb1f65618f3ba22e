<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Show facing pages</source>
        <translation>Gegenüberliegende Seiten anzeigen</translation>
    </message>
</context>
</TS>
