#pragma once
// Fields 0-85, choices 0-19 and buttons 0-22, each with its Tag and
// handlers, in the positions of the current layout.
#include <QObject>
#include <functional>

#include "app/main_window/window_build.h"

namespace tavro {

struct ControlHandlers {
  QObject* fieldKeyFilter = nullptr;          // key-press handler of every field's edit box
  std::function<void(int field)> fieldChanged;
  std::function<void(int choice)> choicePicked;
  std::function<void(int button)> buttonClicked;
};

void BuildFields(WindowBuild& build, bool engineering, const ControlHandlers& handlers);
void SetDefaultTexts(const WindowBuild& build);
void BuildChoices(WindowBuild& build, bool engineering, const ControlHandlers& handlers);
void BuildCommandButtons(WindowBuild& build, const ControlHandlers& handlers);
void BuildLogBox(WindowBuild& build);
void SetStartValues(const WindowBuild& build);

}  // namespace tavro
