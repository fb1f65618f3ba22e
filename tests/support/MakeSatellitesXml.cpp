// make_satellites_xml DB OUT [SATELLITES TRANSPONDERS]: writes a made-up
// satellites.xml (SampleSatellitesXml, 210 satellites and 3400 transponders
// unless told otherwise) around the satellites of the database DB, for
// trying the transponder-list import by hand.
#include "FileAccess.h"
#include "TransponderListSamples.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: make_satellites_xml DB OUT [SATELLITES TRANSPONDERS]\n");
        return 1;
    }
    auto db = std::make_unique<Database>();
    if (LoadDatabaseFile(*db, QString::fromLocal8Bit(argv[1])) != LoadResult::Ok) {
        std::fprintf(stderr, "make_satellites_xml: cannot read %s\n", argv[1]);
        return 2;
    }
    const int satellites = argc == 5 ? std::atoi(argv[3]) : 210;
    const int transponders = argc == 5 ? std::atoi(argv[4]) : 3400;
    const std::string xml = SampleSatellitesXml(*db, satellites, transponders, 1);
    SaveSession session;
    if (session.SaveBytes(QByteArray::fromStdString(xml), QString::fromLocal8Bit(argv[2])) != FileSaveResult::Ok) {
        std::fprintf(stderr, "make_satellites_xml: %s\n", qPrintable(session.FailureReason()));
        return 2;
    }
    return 0;
}
