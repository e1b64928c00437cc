#include "app/main_window/numbered_controls.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/tables/button_texts.h"
#include "app/tables/choice_texts.h"
#include "app/tables/field_texts.h"
#include "widgets/main_window_handles.h"
#include "widgets/tag.h"

namespace tavro {

void BuildFields(WindowBuild& build, bool engineering, const ControlHandlers& handlers) {
  MainWindowHandles& window = MainWindow();
  for (int k = 0; k < kParamFieldCount; ++k) {
    const Placement at = FieldPlacement(k, engineering);
    auto field = std::make_unique<vx_edit>(build.HostWidget(at.host), at.top, at.left, at.width,
                                           at.gap, Text(param_labels[k]), QString(),
                                           Text(param_units[k]));
    QLineEdit* edit = field->edit;
    SetTag(edit, k);
    edit->installEventFilter(handlers.fieldKeyFilter);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [k, changed = handlers.fieldChanged] { changed(k); });
    window.param_fields[static_cast<size_t>(k)] = field.get();
    build.param_fields[static_cast<size_t>(k)] = std::move(field);
  }
}

void SetDefaultTexts(const WindowBuild& build) {
  for (const FieldDefault& entry : field_defaults) {
    build.param_fields[static_cast<size_t>(entry.field)]->setText(Text(entry.text));
  }
}

void BuildChoices(WindowBuild& build, bool engineering, const ControlHandlers& handlers) {
  MainWindowHandles& window = MainWindow();
  for (int k = 0; k < kParamChoiceCount; ++k) {
    const Placement at = ChoicePlacement(k, engineering);
    auto choice = std::make_unique<vx_combobox>(build.HostWidget(at.host), at.top, at.left,
                                                at.width, at.gap, Text(choice_labels[k]),
                                                QString());
    QComboBox* combo = choice->combo;
    SetTag(combo, k);
    // `activated` comes only from the operator's pick, never from a
    // selection the program sets.
    QObject::connect(combo, &QComboBox::activated, combo,
                     [k, picked = handlers.choicePicked] { picked(k); });
    window.param_choices[static_cast<size_t>(k)] = choice.get();
    build.param_choices[static_cast<size_t>(k)] = std::move(choice);
  }
  for (int k = 0; k < kParamChoiceCount; ++k) {
    QComboBox* combo = build.param_choices[static_cast<size_t>(k)]->combo;
    combo->addItems(ChoiceItems(k));
    combo->setCurrentIndex(-1);
  }
  for (int k : kChoicesStartingOnFirstItem) {
    build.param_choices[static_cast<size_t>(k)]->combo->setCurrentIndex(0);
  }
}

void BuildCommandButtons(WindowBuild& build, const ControlHandlers& handlers) {
  MainWindowHandles& window = MainWindow();
  for (int k = 0; k < kCommandButtonCount; ++k) {
    const ButtonPlacement at = CommandButtonPlacement(k);
    auto button = std::make_unique<vx_ellipse_button>(build.HostWidget(at.host), at.top, at.left,
                                                      at.width, Text(button_captions[k]), 0);
    ClickableLabel* caption = button->caption;
    SetTag(caption, k);
    QObject::connect(caption, &ClickableLabel::clicked, caption,
                     [k, clicked = handlers.buttonClicked] { clicked(k); });
    window.command_buttons[static_cast<size_t>(k)] = button.get();
    build.command_buttons[static_cast<size_t>(k)] = std::move(button);
  }
  for (int k : kButtonsStartingDisabled) {
    build.command_buttons[static_cast<size_t>(k)]->caption->setEnabled(false);
  }
}

void BuildLogBox(WindowBuild& build) {
  build.log_box = std::make_unique<vx_richedit>(build.HostWidget(Host::kBody1), 420, 5, 140, 695);
  QPlainTextEdit* box = build.log_box->text_box;
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] {
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
  });
  MainWindow().log_box = build.log_box.get();
}

void SetStartValues(const WindowBuild& build) {
  for (const FieldDefault& entry : field_start_values) {
    build.param_fields[static_cast<size_t>(entry.field)]->setText(Text(entry.text));
  }
}

}  // namespace tavro
