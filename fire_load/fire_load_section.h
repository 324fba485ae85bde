#pragma once

#include "fire_load.h"

#include <QLocale>
#include <QString>

// Section 2 of the report: every site with its materials, Q, S, g, each rule with its numbers
// substituted, and the room's category. HTML on one line in the report's style; the caller appends
// it to the report, in place of an earlier section 2.
QString fireLoadSection(const FireLoadRoom& room, const FireLoadAssessment& assessment,
                        const QLocale& locale);
