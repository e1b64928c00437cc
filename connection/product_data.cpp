#include "connection/product_data.h"

#include <array>
#include <optional>
#include <string>

#include "connection/cp950.h"
#include "connection/link_objects.h"
#include "connection/monitor_display.h"
#include "connection/slave_address.h"
#include "connection/window_controls.h"
#include "link/live_readings.h"
#include "link/message_box.h"
#include "link/register_map.h"
#include "widgets/conversion.h"
#include "widgets/main_window_handles.h"

namespace tavro {
namespace {

struct ProductText {
  int field;
  const char* label;  // for the refusal message
  uint16_t reg;
  uint16_t registers;
  const char* logPrefix;
};

constexpr std::array<ProductText, 3> kProductTexts{{
    {kProductNameField, "產品名稱", reg::productText1, 12, "寫入產品型號:"},
    {kProductModelField, "產品型號", reg::productText2, 7, "寫入產品序號:"},
    {kInspectionDateField, "檢驗日期", reg::productText3, 4, "寫入產品日期:"},
}};

void WriteText(uint8_t slave, const ProductText& text, const std::string& bytes) {
  LiveReadings& readings = liveReadings();
  readings.SetText(text.reg, text.registers, bytes);
  std::array<uint16_t, 12> words{};
  readings.CopyOut(text.reg, text.registers, reinterpret_cast<uint8_t*>(words.data()));
  transmitterLink().WriteRegisters(slave, text.reg, text.registers, words.data());
}

}  // namespace

QString NextInspectedCount(const QString& count) {
  const int32_t done = count.trimmed().isEmpty() ? 0 : StrToInt(count);
  return QString::number(done + 1);
}

void WriteProductData() {
  std::array<QString, 3> typed;
  std::array<std::string, 3> bytes;
  for (size_t i = 0; i < kProductTexts.size(); ++i) {
    typed[i] = FieldText(kProductTexts[i].field);
    std::optional<std::string> encoded = EncodeCp950(typed[i]);
    if (!encoded) {
      ShowMessage(std::string(kProductTexts[i].label) + ": \"" + typed[i].toStdString() +
                  "\" has characters that code page 950 (Big5) cannot hold; nothing was written");
      return;
    }
    bytes[i] = std::move(*encoded);
  }
  if (!transmitterLink().IsOpen()) {
    ShowMessage("Device is not Connected!\n");
    return;
  }
  const uint8_t slave = SlaveAddress();
  for (size_t i = 0; i < kProductTexts.size(); ++i) {
    const ProductText& text = kProductTexts[i];
    if (bytes[i].size() >= size_t{text.registers} * 2u) continue;
    WriteText(slave, text, bytes[i]);
    LogLine(QString::fromUtf8(text.logPrefix) + typed[i]);
  }
  transmitterLink().WriteRegister(slave, reg::commitFlag1, 1);
  transmitterLink().WriteRegister(slave, reg::commitFlag0, 1);
  LogLine(QStringLiteral("***************寫入產品資料完成**************"));
  SetFieldText(kInspectedCountField, NextInspectedCount(FieldText(kInspectedCountField)));
}

}  // namespace tavro
