#pragma once
// The one clock behind every plain sleep and progress wait of the tool.
// Tests may shrink the long procedure waits with a time scale; serial
// time-outs are line behaviour and never scale.

namespace tavro::clock {

// Sleeps `ms` milliseconds multiplied by the time scale.
void Sleep(int ms);

// 1.0 in the tool. A test sets, say, 0.05 to run procedure waits 20x faster.
void SetTimeScale(double scale);
double TimeScale();

}  // namespace tavro::clock
