#include "app/tables/caption_texts.h"

namespace tavro {

const std::string_view version_text = "Ver 0.0.60 (2019/06/11 18:00:00)";

const std::array<CaptionSpec, kCaptionCount> caption_texts{{
    {version_text, Host::kBody0, CaptionAnchor::kFixed, 560, 10, CaptionStyle::kHotTrack},
    {"Tank", Host::kBody0, CaptionAnchor::kBesideCaption2, 0, 80, CaptionStyle::kInherited},
    {"Output 1", Host::kBody0, CaptionAnchor::kBelowPicture1, 0, 10, CaptionStyle::kInherited},
    {"Output 2", Host::kBody0, CaptionAnchor::kBesideCaption1, 0, 95, CaptionStyle::kInherited},
    {"Pulse Calibration", Host::kBody1, CaptionAnchor::kFixed, 5, 10, CaptionStyle::kInherited},
    {"Current Calibration", Host::kBody1, CaptionAnchor::kFixed, 180, 10, CaptionStyle::kInherited},
    {"QC Verify", Host::kBody1, CaptionAnchor::kFixed, 235, 10, CaptionStyle::kInherited},
    {"Excel Setting", Host::kBody1, CaptionAnchor::kFixed, 315, 10, CaptionStyle::kInherited},
    {"Output1", Host::kGroupBox0, CaptionAnchor::kFixed, 10, 175, CaptionStyle::kHotTrack},
    {"Output2", Host::kGroupBox0, CaptionAnchor::kFixed, 10, 255, CaptionStyle::kHotTrack},
    {"Postion", Host::kGroupBox2, CaptionAnchor::kFixed, 10, 175, CaptionStyle::kHotTrack},
    {"Value", Host::kGroupBox2, CaptionAnchor::kFixed, 10, 255, CaptionStyle::kHotTrack},
}};

}  // namespace tavro
