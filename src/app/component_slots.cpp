#include "app/component_slots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "app/fomenu.h"
#include "app/segments_box.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/nevjegy.h"
#include "toolwin/zoom.h"

namespace tv {

ComponentSlots collectComponentSlots(Tform_fomenu& m) {
    // In slot order: language files address the controls by these numbers.
    const std::array<QWidget*, kFilledSlotCount> filled = {
        m.g_uj,                       // 0
        m.g_megnyit,                  // 1
        m.g_ment,                     // 2
        m.g_mentmaskent,              // 3
        m.l_lang,                     // 4
        m.list_lang,                  // 5
        m.g_nevjegy,                  // 6
        m.g_kilep,                    // 7
        m.g_folytonos,                // 8
        m.g_kulon,                    // 9
        m.g_ford,                     // 10
        m.g_torol,                    // 11
        m.g_x,                        // 12
        m.g_y,                        // 13
        m.g_racs,                     // 14
        m.g_surubb,                   // 15
        m.g_ritkabb,                  // 16
        m.g_igazit,                   // 17
        m.list_tip,                   // 18
        m.g_hatter,                   // 19
        m.g_obj,                      // 20
        m.szog,                       // 21
        m.g_mozg,                     // 22
        m.form_mozg,                  // 23
        m.form_mozg->l_poz,           // 24
        m.form_mozg->tb_x,            // 25
        m.form_mozg->tb_y,            // 26
        m.form_mozg->tb_z,            // 27
        m.g_zoom,                     // 28
        m.form_zoom,                  // 29
        m.form_zoom->l_zoom,          // 30
        m.form_zoom->tb_zoom,         // 31
        m.form_nevjegy,               // 32
        m.form_nevjegy->l_iro,        // 33
        m.form_nevjegy->l_iro_,       // 34
        m.form_nevjegy->l_ver,        // 35
        m.form_nevjegy->l_datum,      // 36
        m.form_nevjegy->l_datum_,     // 37
        m.form_nevjegy->l_email,      // 38
        m.form_nevjegy->l_honlap,     // 39
        m.form_zoom->g_alap,          // 40
        m.form_mozg->g_alap,          // 41
        m.g_forg,                     // 42
        m.form_forg,                  // 43
        m.form_forg->g_fxpl,          // 44
        m.form_forg->g_fxm,           // 45
        m.form_forg->g_fym,           // 46
        m.form_forg->g_fypl,          // 47
        m.form_forg->g_fzpl,          // 48
        m.form_forg->g_fzm,           // 49
        m.form_forg->l_forg,          // 50
        m.form_forg->l_fseb,          // 51
        m.form_forg->tb_x,            // 52
        m.form_forg->tb_y,            // 53
        m.form_forg->tb_z,            // 54
        m.form_forg->g_alap,          // 55
        m.g_anyag,                    // 56
        m.form_anyag,                 // 57
        m.form_anyag->l_atl,          // 58
        m.form_anyag->tb_atl,         // 59
        m.form_anyag->l_mdiff,        // 60
        m.form_anyag->g_mdiff,        // 61
        m.form_anyag->l_mamb,         // 62
        m.form_anyag->g_mamb,         // 63
        m.form_anyag->l_mspec,        // 64
        m.form_anyag->g_mspec,        // 65
        m.form_anyag->l_mshininess,   // 66
        m.form_anyag->tb_mshininess,  // 67
        m.form_anyag->g_alap,         // 68
        m.g_feny,                     // 69
        m.form_feny,                  // 70
        m.form_feny->l_feny,          // 71
        m.form_feny->l_globamb,       // 72
        m.form_feny->g_globamb,       // 73
        m.form_feny->rb_1,            // 74
        m.form_feny->rb_2,            // 75
        m.form_feny->rb_3,            // 76
        m.form_feny->cb_be,           // 77
        m.form_feny->cb_forg,         // 78
        m.form_feny->cb_irany,        // 79
        m.form_feny->l_ldiff,         // 80
        m.form_feny->g_ldiff,         // 81
        m.form_feny->l_lamb,          // 82
        m.form_feny->g_lamb,          // 83
        m.form_feny->l_lspec,         // 84
        m.form_feny->g_lspec,         // 85
        m.form_feny->rb_irany,        // 86
        m.form_feny->rb_poz,          // 87
        m.form_feny->tb_x,            // 88
        m.form_feny->tb_y,            // 89
        m.form_feny->tb_z,            // 90
        m.form_feny->cb_spot,         // 91
        m.form_feny->l_vszog,         // 92
        m.form_feny->tb_vsz,          // 93
        m.form_feny->l_spotirany,     // 94
        m.form_feny->tb_px,           // 95
        m.form_feny->tb_py,           // 96
        m.form_feny->tb_pz,           // 97
        m.form_feny->g_alap,          // 98
        m.g_alap,                     // 99
        m.g_tengely,                  // 100
        m.g_norm,                     // 101
    };
    ComponentSlots table{};
    std::copy(filled.begin(), filled.end(), table.begin());
    return table;
}

}  // namespace tv
