#pragma once

// The coefficient η of the evaporation rate of a spilt liquid, by the speed of the air over the spill
// (m/s) and the design air temperature (°C). A temperature outside 10..35 °C takes the nearer edge
// column, a speed from 1 m/s on the 1 m/s row; between nodes the table is interpolated linearly,
// first along the speed in each bracketing column, then along the temperature.
// Throws UserError for a negative speed.
double evaporationCoefficient(double airSpeed, double airTemperature);
