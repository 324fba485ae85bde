#pragma once

#include <QString>

// The numbers every window of a calculation shares. Glav owns the one instance for the whole run;
// the other windows read and write its members directly. Declaration order matters to nobody but
// the reader: the calculation file keeps its own order.
struct CalculationState {
    double EP = 0;    // excess explosion pressure, kPa
    double Pmax = 0;  // maximum explosion pressure, kPa
    double po = 0;    // initial pressure, kPa
    double Mass = 0;  // mass of gas or vapour in the room, kg (the ventilation calculation replaces it)
    double Z = 0;     // participation of the fuel in the explosion
    double Vsv = 0;   // free volume of the room, m3
    double pgp = 0;   // density of the gas or vapour used by formula (1), kg/m3
    double Cst = 0;   // stoichiometric concentration, % by volume
    double Kn = 0;    // leakage and non-adiabatic combustion coefficient
    double M = 0;     // molar mass, kg/kmol
    double Fi = 0;    // evaporation area, m2
    double Mpr = 0;   // reduced mass of an outdoor release, kg
    double Qsg = 0;   // heat of combustion, MJ/kg
    double n = 0;     // evaporation coefficient of the liquid-vapour window, or air changes per hour
    double L = 0;     // greatest length of the room, m
    float U = 0;      // air velocity in the room, m/s
    double nu = 0;    // evaporation coefficient found from the air velocity
    float W = 0;      // evaporation intensity, kg/(s*m2)
    double Vvent = 0; // capacity of the ventilation unit, m3/h
    QString out;      // the report, one line of HTML
    double T = 0;     // kept in the calculation file only
    double Pn = 0;    // saturated vapour pressure, kPa
    double Em = 0;    // mass of evaporated liquid, kg
    double tr = 3600; // duration of evaporation, s
    double pl = 0;    // density from the density window, kg/m3
    double A = 0;     // Antoine constants
    double B = 0;
    double C = 0;
    double T1 = 37; // design air temperature, degrees C
    double nC = 0;  // numbers of carbon, hydrogen, oxygen and halogen atoms
    double nH = 0;
    double nO = 0;
    double nX = 0;
    // The substance table row whose data the calculation took, or empty. Not part of the
    // calculation file: opening a file recognises the row from the numbers it stores.
    QString substance;
};
