#include "app/tables/placement.h"

#include <span>
#include <stdexcept>
#include <string>

namespace tavro {
namespace {

// Controls first..last, control k at top + topStep·(k − first),
// left + leftStep·(k − first).
struct Row {
  int first;
  int last;
  Host host;
  int top;
  int topStep;
  int left;
  int leftStep;
  int gap;
  int width;
};

// Device parameters: label left 20 (370 in the right-hand column), gap 180,
// middle width 100.
constexpr int kParamGap = 180;
constexpr int kParamWidth = 100;

constexpr Row kFieldRows[] = {
    // Parameter page.
    {0, 8, Host::kGroupBox0, 28, 27, 5, 0, 155, 60},
    {9, 17, Host::kGroupBox0, 28, 27, 235, 0, 5, 60},
    {18, 21, Host::kGroupBox2, 28, 27, 5, 0, 155, 60},
    {22, 25, Host::kGroupBox2, 28, 27, 235, 0, 5, 60},
    {26, 31, Host::kGroupBox1, 20, 25, 5, 0, 152, 145},
    // Chart page.
    {53, 53, Host::kBody1, 30, 0, 300, 0, 90, 50},
    {54, 58, Host::kBody1, 30, 25, 10, 0, 130, 80},
    {59, 59, Host::kBody1, 155, 0, 0, 0, 5, 10},
    {60, 60, Host::kBody1, 157, 0, 50, 0, 60, 25},
    {61, 61, Host::kBody1, 157, 0, 185, 0, 55, 25},
    {62, 62, Host::kBody1, 157, 0, 315, 0, 20, 25},
    {63, 63, Host::kBody1, 205, 0, 10, 0, 80, 60},
    {64, 66, Host::kBody1, 260, 0, 10, 230, 95, 80},
    {67, 69, Host::kBody1, 290, 0, 10, 230, 95, 80},
    {70, 72, Host::kBody1, 340, 25, 10, 0, 85, 110},
    {73, 75, Host::kBody1, 340, 25, 245, 0, 85, 110},
    // Calibration page.
    {76, 78, Host::kBody2, 475, 35, 10, 0, 85, 50},
    {79, 81, Host::kBody2, 475, 35, 180, 0, 85, 50},
    {82, 85, Host::kEchoChart, 10, 0, 10, 105, 30, 40},
};

constexpr Row kEngineeringParamFieldRows[] = {
    {32, 32, Host::kBody3, 15, 0, 20, 0, kParamGap, kParamWidth},
    {33, 35, Host::kBody3, 71, 28, 20, 0, kParamGap, kParamWidth},
    {36, 52, Host::kBody3, 15, 28, 370, 0, kParamGap, kParamWidth},
};

// The normal layout shows a short column in "Settnig Group"; the rest stays
// on the hidden "Setting" page, where Parts of the tool still read and write
// it. Those positions overlap; that page is never shown in this layout.
constexpr Row kNormalParamFieldRows[] = {
    {32, 32, Host::kGroupBox3, 15, 0, 20, 0, kParamGap, kParamWidth},
    {33, 33, Host::kGroupBox3, 67, 0, 20, 0, kParamGap, kParamWidth},
    {34, 34, Host::kGroupBox3, 93, 0, 20, 0, kParamGap, kParamWidth},
    {44, 44, Host::kGroupBox3, 119, 0, 20, 0, kParamGap, kParamWidth},
    {45, 45, Host::kGroupBox3, 145, 0, 20, 0, kParamGap, kParamWidth},
    {36, 36, Host::kGroupBox3, 422, 0, 20, 0, kParamGap, kParamWidth},
    {46, 46, Host::kBody3, 165, 0, 20, 0, kParamGap, kParamWidth},
    {37, 43, Host::kBody3, 71 + 28 * 2, 28, 20, 0, kParamGap, kParamWidth},
    {47, 52, Host::kBody3, 71, 28, 20, 0, kParamGap, kParamWidth},
    {35, 35, Host::kBody3, 1051, 0, 20, 0, kParamGap, kParamWidth},
};

constexpr Row kChoiceRows[] = {
    {15, 15, Host::kBody1, 30, 0, 1100, 0, 80, 80},
    {16, 16, Host::kBody1, 30, 0, 500, 0, 80, 80},
    {17, 17, Host::kBody1, 206, 0, 190, 0, 100, 70},
    {18, 18, Host::kBody1, 206, 0, 410, 0, 50, 70},
    {19, 19, Host::kBody2, 543, 0, 575, 0, 25, 70},
};

constexpr Row kEngineeringParamChoiceRows[] = {
    {0, 0, Host::kBody3, 45, 0, 20, 0, kParamGap, kParamWidth},
    {1, 14, Host::kBody3, 159, 28, 20, 0, kParamGap, kParamWidth},
};

constexpr Row kNormalParamChoiceRows[] = {
    {0, 0, Host::kGroupBox3, 42, 0, 20, 0, kParamGap, kParamWidth},
    {9, 9, Host::kGroupBox3, 172, 0, 20, 0, kParamGap, kParamWidth},
    {10, 10, Host::kGroupBox3, 197, 0, 20, 0, kParamGap, kParamWidth},
    {11, 11, Host::kGroupBox3, 222, 0, 20, 0, kParamGap, kParamWidth},
    {1, 1, Host::kGroupBox3, 247, 0, 20, 0, kParamGap, kParamWidth},
    {2, 2, Host::kGroupBox3, 272, 0, 20, 0, kParamGap, kParamWidth},
    {3, 3, Host::kGroupBox3, 297, 0, 20, 0, kParamGap, kParamWidth},
    {6, 6, Host::kGroupBox3, 322, 0, 20, 0, kParamGap, kParamWidth},
    {7, 7, Host::kGroupBox3, 347, 0, 20, 0, kParamGap, kParamWidth},
    {8, 8, Host::kGroupBox3, 372, 0, 20, 0, kParamGap, kParamWidth},
    {14, 14, Host::kGroupBox3, 397, 0, 20, 0, kParamGap, kParamWidth},
    {5, 5, Host::kBody3, 45, 0, 20, 0, kParamGap, kParamWidth},
    {4, 4, Host::kBody3, 73, 0, 20, 0, kParamGap, kParamWidth},
    {12, 12, Host::kBody3, 101, 0, 20, 0, kParamGap, kParamWidth},
    {13, 13, Host::kBody3, 129, 0, 20, 0, kParamGap, kParamWidth},
};

// Buttons: gap unused.
constexpr Row kButtonRows[] = {
    {0, 2, Host::kBody1, 70, 0, 300, 135, 0, 80},
    {3, 5, Host::kBody1, 107, 0, 300, 135, 0, 80},
    {6, 8, Host::kBody1, 155, 0, 400, 100, 0, 50},
    {9, 9, Host::kBody1, 200, 0, 570, 0, 0, 80},
    {10, 11, Host::kBody1, 342, 0, 475, 102, 0, 68},
    {12, 12, Host::kBody1, 377, 0, 475, 0, 0, 170},
    {13, 13, Host::kBody2, 470, 0, 355, 0, 0, 70},
    {15, 15, Host::kBody2, 505, 0, 355, 0, 0, 70},
    {17, 17, Host::kBody2, 540, 0, 355, 0, 0, 70},
    {14, 14, Host::kBody2, 470, 0, 470, 0, 0, 70},
    {16, 16, Host::kBody2, 505, 0, 470, 0, 0, 70},
    {18, 18, Host::kBody2, 540, 0, 470, 0, 0, 70},
    {19, 20, Host::kBody2, 470, 35, 575, 0, 0, 90},
    {21, 21, Host::kBody3, 530, 0, 550, 0, 0, 90},
    {22, 22, Host::kBody3, 530, 0, 400, 0, 0, 90},
};

const Row* FindRow(std::span<const Row> rows, int k) {
  for (const Row& row : rows) {
    if (k >= row.first && k <= row.last) return &row;
  }
  return nullptr;
}

Placement Place(const Row& row, int k) {
  const int i = k - row.first;
  return {row.host, row.top + row.topStep * i, row.left + row.leftStep * i, row.gap, row.width};
}

[[noreturn]] void NoPlace(const char* what, int k) {
  throw std::out_of_range(std::string(what) + " " + std::to_string(k) + " has no place");
}

}  // namespace

Placement FieldPlacement(int field, bool engineering) {
  if (const Row* row = FindRow(kFieldRows, field)) return Place(*row, field);
  const std::span<const Row> params =
      engineering ? std::span<const Row>(kEngineeringParamFieldRows) : kNormalParamFieldRows;
  if (const Row* row = FindRow(params, field)) return Place(*row, field);
  NoPlace("field", field);
}

Placement ChoicePlacement(int choice, bool engineering) {
  if (const Row* row = FindRow(kChoiceRows, choice)) return Place(*row, choice);
  const std::span<const Row> params =
      engineering ? std::span<const Row>(kEngineeringParamChoiceRows) : kNormalParamChoiceRows;
  if (const Row* row = FindRow(params, choice)) return Place(*row, choice);
  NoPlace("choice", choice);
}

ButtonPlacement CommandButtonPlacement(int button) {
  if (const Row* row = FindRow(kButtonRows, button)) {
    const Placement p = Place(*row, button);
    return {p.host, p.top, p.left, p.width};
  }
  NoPlace("button", button);
}

}  // namespace tavro
