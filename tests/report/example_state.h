#pragma once

#include "calculation_state.h"

// What the calculator windows leave in the state for the report examples: an acetone-like liquid
// (Antoine constants, vapour pressure, molar mass, density, evaporated mass, atom counts).
inline CalculationState calculatorResultsOfTheExample()
{
    return {.M = 58.08,
            .Fi = 50,
            .n = 1,
            .out = {},
            .Pn = 46.0123,
            .Em = 10.5,
            .pl = 2.2815,
            .A = 6.37551,
            .B = 1281.721,
            .C = 237.088,
            .nC = 3,
            .nH = 6,
            .nO = 1,
            .substance = {}};
}
