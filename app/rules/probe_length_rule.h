#pragma once
// "Probe Length" (field 54) sets the QC "Tolerance" (field 66): 0.1 % of the
// length above 5000 mm, 5 mm otherwise, shown as "###0.000". Once a length
// has been accepted, the tolerance is no longer typed by hand.
#include <QString>
#include <optional>

namespace tavro {

inline constexpr int kProbeLengthField = 54;
inline constexpr int kToleranceField = 66;

// The tolerance text for a probe length text; nullopt when it is not a
// whole number.
std::optional<QString> ToleranceFor(const QString& probeLength);

// Runs on every change of field 54 of the running window.
void ApplyProbeLength();

}  // namespace tavro
