#pragma once
// "Material" (choice 9) decides which lists "Application" (choice 10) and
// "Dielectric Const." (choice 11) offer: item 0 "Solids" gives the solids
// lists, anything else the liquids lists. Each then shows the index last
// read from the transmitter for that material.

namespace tavro {

// Refills choices 10 and 11 of the running window from choice 9.
void ApplyMaterial();

}  // namespace tavro
