// The whole database as JSON. Text fields are the receiver's 8-bit bytes, each
// byte written as the code point of the same value (U+0000 to U+00FF).
#pragma once

#include "Database.h"

#include <QJsonObject>

QJsonObject DatabaseJson(const Database& db);
