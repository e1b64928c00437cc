#pragma once
// The one physical bench the devices share: the target on the motion stage,
// the mechanical offset between the stage's zero and the transmitter's
// reference point, and which current output the multimeter is wired to.
// The stage moves at a finite speed; anything that looks at the target while
// it moves sees it where it is now. Thread-safe.
#include <chrono>
#include <mutex>

namespace tavro::sim {

struct BenchConfig {
  double offsetMm = 225.0;         // the tool's default "Motor Offset"
  double stageSpeedMmPerS = 500.0;  // the longest 6 m move takes 12 s
  double travelMm = 6000.0;        // far end of the stage
  int wiredOutput = 1;             // 1 or 2; 0: the meter is not connected
  bool meterLeadsReversed = false; // the meter then reads the loop current negative
};

class Bench {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Bench(BenchConfig config = {});

  // Distance of the target from the transmitter's reference point, mm.
  double TargetDistanceMm() const;

  // Stage position (mm from the stage's zero, the home switch) right now.
  double StagePositionMm() const;
  // Where the current (or last) move ends.
  double StageDestinationMm() const;
  bool StageMoving() const;
  // Starts a move from where the stage is now. The position is kept within
  // [-offset, travel]: the target can neither pass the reference point nor
  // leave the stage.
  void MoveStageTo(double positionMm);
  // Stops the stage where it is.
  void StopStage();
  // Puts the stage somewhere at once (tests, start-up).
  void PlaceStageAt(double positionMm);

  double OffsetMm() const;
  void SetOffsetMm(double mm);
  double StageSpeedMmPerS() const;
  // A move under way continues from here at the new speed.
  void SetStageSpeedMmPerS(double mmPerS);
  double TravelMm() const;
  void SetTravelMm(double mm);

  int WiredOutput() const;
  void SetWiredOutput(int output);
  bool MeterLeadsReversed() const;
  void SetMeterLeadsReversed(bool reversed);

 private:
  double PositionLocked(Clock::time_point now) const;
  double Clamp(double positionMm) const;

  mutable std::mutex mutex_;
  BenchConfig config_;
  double moveFromMm_ = 0.0;
  double moveToMm_ = 0.0;
  Clock::time_point moveStart_;
};

}  // namespace tavro::sim
