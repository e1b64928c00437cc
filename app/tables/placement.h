#pragma once
// Where the numbered controls stand. A field or choice is placed by its top,
// its label's left, the gap from the label's left to its frame and the width
// of the frame's middle; a button by top, left and middle width.

namespace tavro {

// The parent a control is built on.
enum class Host {
  kBody0,  // "Parameter" page
  kBody1,  // "Chart" page
  kBody2,  // "Calibration" page
  kBody3,  // "Setting" page
  kGroupBox0,  // "Output 1_2"
  kGroupBox1,  // "Data Monitor"
  kGroupBox2,  // "ADC Data"
  kGroupBox3,  // "Settnig Group"
  kEchoChart,
};

struct Placement {
  Host host;
  int top;
  int left;
  int gap;
  int width;
};

struct ButtonPlacement {
  Host host;
  int top;
  int left;
  int width;
};

Placement FieldPlacement(int field, bool engineering);
Placement ChoicePlacement(int choice, bool engineering);
ButtonPlacement CommandButtonPlacement(int button);

}  // namespace tavro
