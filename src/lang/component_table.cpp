#include "lang/component_table.h"

namespace tv {

namespace {

using enum ControlKind;
constexpr FormId kMain = FormId::Fomenu;
constexpr FormId kMove = FormId::Mozg;
constexpr FormId kZoom = FormId::Zoom;
constexpr FormId kAbout = FormId::Nevjegy;
constexpr FormId kRotate = FormId::Forg;
constexpr FormId kMaterial = FormId::Anyag;
constexpr FormId kLight = FormId::Feny;

// Slots 0..101 in order. The numbering is what language files rely on: never reorder.
constexpr std::array<ComponentSlot, kFilledSlotCount> kFilledSlots = {{
    {kMain, "g_uj", SpeedButton},            // 0
    {kMain, "g_megnyit", SpeedButton},       // 1
    {kMain, "g_ment", SpeedButton},          // 2
    {kMain, "g_mentmaskent", SpeedButton},   // 3
    {kMain, "l_lang", Label},                // 4
    {kMain, "list_lang", DropDownList},      // 5
    {kMain, "g_nevjegy", SpeedButton},       // 6
    {kMain, "g_kilep", SpeedButton},         // 7
    {kMain, "g_folytonos", SpeedButton},     // 8
    {kMain, "g_kulon", SpeedButton},         // 9
    {kMain, "g_ford", SpeedButton},          // 10
    {kMain, "g_torol", SpeedButton},         // 11
    {kMain, "g_x", SpeedButton},             // 12
    {kMain, "g_y", SpeedButton},             // 13
    {kMain, "g_racs", SpeedButton},          // 14
    {kMain, "g_surubb", SpeedButton},        // 15
    {kMain, "g_ritkabb", SpeedButton},       // 16
    {kMain, "g_igazit", SpeedButton},        // 17
    {kMain, "list_tip", DropDownList},       // 18
    {kMain, "g_hatter", SpeedButton},        // 19
    {kMain, "g_obj", SpeedButton},           // 20
    {kMain, "szog", SpinEdit},               // 21
    {kMain, "g_mozg", SpeedButton},          // 22
    {kMove, "form_mozg", Window},            // 23
    {kMove, "l_poz", Label},                 // 24
    {kMove, "tb_x", TrackBar},               // 25
    {kMove, "tb_y", TrackBar},               // 26
    {kMove, "tb_z", TrackBar},               // 27
    {kMain, "g_zoom", SpeedButton},          // 28
    {kZoom, "form_zoom", Window},            // 29
    {kZoom, "l_zoom", Label},                // 30
    {kZoom, "tb_zoom", TrackBar},            // 31
    {kAbout, "form_nevjegy", Window},        // 32
    {kAbout, "l_iro", Label},                // 33
    {kAbout, "l_iro_", Label},               // 34
    {kAbout, "l_ver", Label},                // 35
    {kAbout, "l_datum", Label},              // 36
    {kAbout, "l_datum_", Label},             // 37
    {kAbout, "l_email", Label},              // 38
    {kAbout, "l_honlap", Label},             // 39
    {kZoom, "g_alap", SpeedButton},          // 40
    {kMove, "g_alap", SpeedButton},          // 41
    {kMain, "g_forg", SpeedButton},          // 42
    {kRotate, "form_forg", Window},          // 43
    {kRotate, "g_fxpl", SpeedButton},        // 44
    {kRotate, "g_fxm", SpeedButton},         // 45
    {kRotate, "g_fym", SpeedButton},         // 46
    {kRotate, "g_fypl", SpeedButton},        // 47
    {kRotate, "g_fzpl", SpeedButton},        // 48
    {kRotate, "g_fzm", SpeedButton},         // 49
    {kRotate, "l_forg", Label},              // 50
    {kRotate, "l_fseb", Label},              // 51
    {kRotate, "tb_x", TrackBar},             // 52
    {kRotate, "tb_y", TrackBar},             // 53
    {kRotate, "tb_z", TrackBar},             // 54
    {kRotate, "g_alap", SpeedButton},        // 55
    {kMain, "g_anyag", SpeedButton},         // 56
    {kMaterial, "form_anyag", Window},       // 57
    {kMaterial, "l_atl", Label},             // 58
    {kMaterial, "tb_atl", TrackBar},         // 59
    {kMaterial, "l_mdiff", Label},           // 60
    {kMaterial, "g_mdiff", SpeedButton},     // 61
    {kMaterial, "l_mamb", Label},            // 62
    {kMaterial, "g_mamb", SpeedButton},      // 63
    {kMaterial, "l_mspec", Label},           // 64
    {kMaterial, "g_mspec", SpeedButton},     // 65
    {kMaterial, "l_mshininess", Label},      // 66
    {kMaterial, "tb_mshininess", TrackBar},  // 67
    {kMaterial, "g_alap", SpeedButton},      // 68
    {kMain, "g_feny", SpeedButton},          // 69
    {kLight, "form_feny", Window},           // 70
    {kLight, "l_feny", Label},               // 71
    {kLight, "l_globamb", Label},            // 72
    {kLight, "g_globamb", SpeedButton},      // 73
    {kLight, "rb_1", RadioButton},           // 74
    {kLight, "rb_2", RadioButton},           // 75
    {kLight, "rb_3", RadioButton},           // 76
    {kLight, "cb_be", CheckBox},             // 77
    {kLight, "cb_forg", CheckBox},           // 78
    {kLight, "cb_irany", CheckBox},          // 79
    {kLight, "l_ldiff", Label},              // 80
    {kLight, "g_ldiff", SpeedButton},        // 81
    {kLight, "l_lamb", Label},               // 82
    {kLight, "g_lamb", SpeedButton},         // 83
    {kLight, "l_lspec", Label},              // 84
    {kLight, "g_lspec", SpeedButton},        // 85
    {kLight, "rb_irany", RadioButton},       // 86
    {kLight, "rb_poz", RadioButton},         // 87
    {kLight, "tb_x", TrackBar},              // 88
    {kLight, "tb_y", TrackBar},              // 89
    {kLight, "tb_z", TrackBar},              // 90
    {kLight, "cb_spot", CheckBox},           // 91
    {kLight, "l_vszog", Label},              // 92
    {kLight, "tb_vsz", TrackBar},            // 93
    {kLight, "l_spotirany", Label},          // 94
    {kLight, "tb_px", TrackBar},             // 95
    {kLight, "tb_py", TrackBar},             // 96
    {kLight, "tb_pz", TrackBar},             // 97
    {kLight, "g_alap", SpeedButton},         // 98
    {kMain, "g_alap", SpeedButton},          // 99
    {kMain, "g_tengely", SpeedButton},       // 100
    {kMain, "g_norm", SpeedButton},          // 101
}};

constexpr ComponentSlot kEmptySlot{};

}  // namespace

const ComponentSlot& componentSlot(int slot) {
    if (slot < 0 || slot >= kFilledSlotCount) {
        return kEmptySlot;
    }
    return kFilledSlots[static_cast<size_t>(slot)];
}

const char* formClassName(FormId form) {
    switch (form) {
        case FormId::Fomenu:
            return "Tform_fomenu";
        case FormId::Mozg:
            return "Tform_mozg";
        case FormId::Zoom:
            return "Tform_zoom";
        case FormId::Nevjegy:
            return "Tform_nevjegy";
        case FormId::Forg:
            return "Tform_forg";
        case FormId::Anyag:
            return "Tform_anyag";
        case FormId::Feny:
            return "Tform_feny";
    }
    return "";
}

std::optional<ComponentRef> resolveComponent(int number) {
    if (number < 0 || number > kMaxComponentNumber) {
        return std::nullopt;
    }
    const ComponentKindInfo& kind = kComponentKinds[static_cast<size_t>(number / kSlotCount)];
    const int slot = number % kSlotCount;
    if (kind.required == ControlKind::None) {
        return ComponentRef{kind.effect, number};
    }
    if (componentSlot(slot).kind != kind.required) {
        return std::nullopt;
    }
    return ComponentRef{kind.effect, slot};
}

}  // namespace tv
