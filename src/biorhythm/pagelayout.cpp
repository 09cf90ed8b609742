// SPDX-FileCopyrightText: 2026 Zuvododerod-Projekt
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pagelayout.h"

namespace zuv::bio {

const std::vector<ControlPlace>& pageLayout()
{
    // Month chart across the top; below it from left to right: name box column, birth
    // date / month / year column, zodiac sign, rule, text box, day form.
    static const std::vector<ControlPlace> layout = {
        {QStringLiteral("DBChart1"), {8, 12, 793, 287}},
        {QStringLiteral("CheckBox4"), {16, 309, 121, 17}},
        // The name box's caption, which carries its keyboard accelerator.
        {QStringLiteral("Label30"), {16, 329, 106, 14}},
        {QStringLiteral("ComboBox3"), {16, 344, 106, 21}},
        {QStringLiteral("StaticText5"), {16, 416, 137, 49}},
        {QStringLiteral("Label28"), {160, 309, 81, 14}},
        {QStringLiteral("MaskEdit1"), {160, 324, 81, 21}},
        // Right-aligned; starts where its text does, clear of the name box.
        {QStringLiteral("Label29"), {124, 352, 117, 14}},
        {QStringLiteral("ComboBox4"), {160, 368, 81, 21}},
        {QStringLiteral("LabeledEdit1Label"), {112, 397, 44, 14}},
        {QStringLiteral("LabeledEdit1"), {160, 394, 65, 21}},
        {QStringLiteral("UpDown5"), {225, 394, 16, 21}},
        {QStringLiteral("Button4"), {160, 424, 81, 25}},
        // Wide enough for the longest date range, "23.11.- 21.12.", up to the rule.
        {QStringLiteral("Label3"), {243, 310, 76, 27}},
        {QStringLiteral("Image2"), {248, 344, 65, 41}},
        {QStringLiteral("Image3"), {256, 344, 49, 65}},
        {QStringLiteral("Shape1"), {320, 312, 1, 153}},
        {QStringLiteral("RichEdit1"), {328, 312, 321, 153}},
        {QStringLiteral("StaticText1"), {712, 316, 89, 17}},
        {QStringLiteral("Label4"), {651, 338, 61, 13}},
        {QStringLiteral("DTP1"), {720, 334, 81, 19}},
        {QStringLiteral("DBChart2"), {664, 368, 137, 89}},
    };
    return layout;
}

QRect designRect(const QString& name)
{
    for (const ControlPlace& p : pageLayout()) {
        if (p.name == name)
            return p.rect;
    }
    return {};
}

} // namespace zuv::bio
