#pragma once

#include "chain/ArchivedCvars.h"

#include <gtest/gtest.h>

// The archived variables as the program ships them in its data folder.
inline ArchivedCvars shippedArchivedCvars()
{
    ArchivedCvars list;
    QString error;
    EXPECT_TRUE(list.load(ArchivedCvars::pathIn(QStringLiteral(QVL_SOURCE_DATA)), &error)) << error.toStdString();
    return list;
}
