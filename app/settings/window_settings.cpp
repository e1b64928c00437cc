#include "app/settings/window_settings.h"

#include <QRegularExpression>
#include <exception>

#include "app/rules/table_type_rule.h"
#include "app/tables/choice_texts.h"
#include "app/tables/field_texts.h"
#include "link/message_box.h"
#include "link/port_names.h"
#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

constexpr int kFirstStoredField = 53;
constexpr int kLastStoredField = 75;
constexpr int kFirstStoredChoice = 15;
constexpr int kLastStoredChoice = 18;

const QString kMain = QString::fromLatin1(kMainSection);

void LoadValues(const vx_ini& settings) {
  MainWindowHandles& window = MainWindow();
  for (int k = kFirstStoredField; k <= kLastStoredField; ++k) {
    Field(k).setText(settings.Read(kMain, Text(param_labels[k]), QString()));
  }
  for (int k = kFirstStoredChoice; k <= kLastStoredChoice; ++k) {
    const int index = StrToInt(settings.Read(kMain, Text(choice_labels[k]), QStringLiteral("0")));
    // An index outside the list leaves the choice without a selection.
    Choice(k).combo->setCurrentIndex(index >= 0 && index < Choice(k).combo->count() ? index : -1);
  }
  window.id_field->setText(settings.Read(kMain, QStringLiteral("id"), QStringLiteral("1")));
  window.port_box->setEditText(settings.Read(kMain, QStringLiteral("port"), QStringLiteral("COM1")));
  window.baud_box->setEditText(
      settings.Read(kMain, QStringLiteral("baudrate"), QStringLiteral("9600")));
}

void SaveValues(vx_ini& settings) {
  MainWindowHandles& window = MainWindow();
  // Ascending order: the shared keys end up with the later field's text.
  for (int k = kFirstStoredField; k <= kLastStoredField; ++k) {
    settings.Write(kMain, Text(param_labels[k]), Field(k).text());
  }
  for (int k = kFirstStoredChoice; k <= kLastStoredChoice; ++k) {
    settings.Write(kMain, Text(choice_labels[k]), QString::number(Choice(k).combo->currentIndex()));
  }
  settings.Write(kMain, QStringLiteral("id"), window.id_field->text());
  settings.Write(kMain, QStringLiteral("port"), window.port_box->currentText());
  settings.Write(kMain, QStringLiteral("baudrate"), window.baud_box->currentText());
  settings.Write(QString::fromLatin1(kInternetSection), QString::fromLatin1(kStatusKey),
                 QStringLiteral("CLOSE"));
}

}  // namespace

void LoadWindowSettings(const vx_ini& settings) {
  try {
    LoadValues(settings);
  } catch (const std::exception&) {
    ShowMessage("載入參數異常");
  }
  ApplyTableType();
}

void SaveWindowSettings(vx_ini& settings) {
  try {
    SaveValues(settings);
  } catch (const std::exception&) {
    ShowMessage("儲存參數異常");
  }
}

void LoadPortNames(const vx_ini& settings) {
  static const QRegularExpression comName(QStringLiteral("^COM[1-9][0-9]*$"),
                                          QRegularExpression::CaseInsensitiveOption);
  for (const auto& [key, value] : settings.ReadSection(QString::fromLatin1(kPortsSection))) {
    const QString name = key.trimmed().toUpper();
    const QString path = value.trimmed();
    if (!comName.match(name).hasMatch() || path.isEmpty()) continue;
    RegisterPortName(name.toStdString(), path.toStdString());
  }
}

QString InternetStatus(const vx_ini& settings) {
  return settings.Read(QString::fromLatin1(kInternetSection), QString::fromLatin1(kStatusKey),
                       QStringLiteral("CLOSE"));
}

}  // namespace tavro
