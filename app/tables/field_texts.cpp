#include "app/tables/field_texts.h"

namespace tavro {

const std::array<std::string_view, kParamFieldCount> param_labels{
    // 0-8: Output 1 column of "Output 1_2"; 9-17: Output 2 column.
    "Display", "Distance", "Distance Percentage", "Distance Current", "Peak1 Count",
    "Distance MAX", "Distance MIN", "Trigger_lv", "Bg_Trigger_lv",
    "", "", "", "", "", "", "", "", "",
    // 18-21: "ADC Data" positions; 22-25: values.
    "ADC Ref Peak", "ADC 1st Peak", "ADC 2nd Peak", "ADC End Peak",
    "", "", "", "",
    // 26-31: "Data Monitor".
    "Firmware Version", "Temperature", "Bg_Shift_X", "Bg_Shift_Y", "Bg_SaveCnt", "22Hz Delta",
    // 32-52: device parameters.
    "Modbus ID", "Max Level", "Min Level", "Probe Length", "trigger level",
    "Dielectric Constant", "Low Count", "Low Position", "Span Value", "Probe End Count",
    "Probe End Value", "Dynamic Filter value", "Blind Distance", "Distance offset 1",
    "Distance offset 2", "DAC Out1 4mA", "DAC Out1 20mA", "DAC Out2 4mA", "DAC Out2 20mA",
    "Window Range", "Window Lock Time",
    // 53-62: pulse calibration.
    "Motor Offset", "Probe Length", "Low Point", "High Point", "Delay Time", "Move To", "",
    "Distance", "Interval", "DT",
    // 63: current calibration.
    "Accuracy",
    // 64-69: QC verify.
    "Start Position", "Interval", "Tolerance", "End Position", "Delay Time", "Test Result",
    // 70-75: report heading.
    "產品名稱", "檢驗數量", "檢驗日期", "產品型號", "工單號碼", "客戶名稱",
    // 76-81: echo acquisition rows.
    "(1)Start Addr", "(2)Start Addr", "(3)Start Addr", "Data Length", "Data Length", "Data Length",
    // 82-85: on the echo chart.
    "Max", "1st", "2nd", "End",
};

const std::array<std::string_view, kParamFieldCount> param_units{
    // 0-8
    "", "", "", "", "", "", "", "", "",
    // 9-17
    "", "%", "%", "mA", "", "mm", "mm", "", "",
    // 18-25
    "", "", "", "", "", "", "", "",
    // 26-31
    "", "℃", "", "", "", "",
    // 32-52
    "", "mm", "mm", "", "", "", "", "mm", "", "", "", "%", "mm", "mm", "mm", "", "", "", "", "",
    "0.5s",
    // 53-62
    "mm", "mm", "mm", "mm", "ms", "mm", "", "mm", "mm", "ms",
    // 63-69
    "", "mm", "mm", "mm", "mm", "ms", "",
    // 70-85
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
};

const std::array<FieldDefault, 8> field_defaults{{
    {76, "2000"},
    {77, "2000"},
    {78, "2000"},
    {79, "4000"},
    {80, "4000"},
    {81, "4000"},
    {63, "0.002"},
    {53, "225"},
}};

const std::array<FieldDefault, 4> field_start_values{{
    {55, "1000"},
    {56, "5000"},
    {57, "10000"},
    {58, "0"},
}};

}  // namespace tavro
