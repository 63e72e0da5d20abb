#include "optionscontrols.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "controltable.h"
#include "radiogroup.h"

namespace tavrel {

namespace {

using C = OptionsControls;
using Row =
    ControlRow<Fields<C, RadioGroup, QGroupBox, QCheckBox, QFrame, QRadioButton, QPushButton>>;

constexpr std::string_view caption(ClassBox box) {
    return kClassBoxCaptions[static_cast<std::size_t>(box)];
}
using enum ClassBox;

// clang-format off
// The window's controls, in the order they are created, which is also the order of the Tab key.
// The class boxes stand in three rows with the panel of schools below them: Abjurer to
// Enchanter down the panel's left column, Illusionist to Transmuter down its right. The two
// alignment groups have no caption of their own, so screen readers are given a name for each;
// the law/chaos group is two pixels wider than drawn, up to its neighbour, for "Chaotic" in
// wider faces.
constexpr std::array kControls{
// field, object name, parent, {x, y, width, height}, caption, hint, spoken name, flags, items
    Row{&C::RadioGroup1,   "RadioGroup1",   "",            {  8,   8,  92, 188}, "Race:",            {}, {},                        kPlain,   kRaceCaptions},
    Row{&C::GenderRadio,   "GenderRadio",   "",            {106,   8, 102,  62}, "Gender",           {}, {},                        kPlain,   kGenderCaptions},
    Row{&C::RadioGroup3,   "RadioGroup3",   "",            {106,  76, 102, 120}, "Level Range",      {}, {},                        kPlain,   kLevelRangeCaptions},
    Row{&C::ClassBox,      "ClassBox",      "",            {214,   8, 207, 188}, "Character Class"},
    Row{&C::FighterBox,    "FighterBox",    "ClassBox",    {  8,  18,  66,  17}, caption(Fighter),   {}, {},                        kTabStop},
    Row{&C::RangerBox,     "RangerBox",     "ClassBox",    { 74,  18,  66,  17}, caption(Ranger),    {}, {},                        kTabStop},
    Row{&C::PaladinBox,    "PaladinBox",    "ClassBox",    {140,  18,  64,  17}, caption(Paladin),   {}, {},                        kTabStop},
    Row{&C::ClericBox,     "ClericBox",     "ClassBox",    {  8,  36,  66,  17}, caption(Cleric),    {}, {},                        kTabStop},
    Row{&C::DruidBox,      "DruidBox",      "ClassBox",    { 74,  36,  66,  17}, caption(Druid),     {}, {},                        kTabStop},
    Row{&C::ThiefBox,      "ThiefBox",      "ClassBox",    {  8,  54,  66,  17}, caption(Thief),     {}, {},                        kTabStop},
    Row{&C::BardBox,       "BardBox",       "ClassBox",    { 74,  54,  66,  17}, caption(Bard),      {}, {},                        kTabStop},
    Row{&C::MageBox,       "MageBox",       "ClassBox",    {  8,  72,  66,  17}, caption(Mage),      {}, {},                        kTabStop},
    Row{&C::SpecialistBox, "SpecialistBox", "ClassBox",    { 74,  72,  80,  17}, caption(Specialist),{}, {},                        kTabStop},
    Row{&C::Panel1,        "Panel1",        "ClassBox",    { 18,  94, 184,  86}, {},                 {}, "Specialist school"},
    Row{&C::RadioButton1,  "RadioButton1",  "Panel1",      {  4,   3,  82,  18}, kSchoolCaptions[0]},
    Row{&C::RadioButton2,  "RadioButton2",  "Panel1",      {  4,  23,  82,  18}, kSchoolCaptions[1]},
    Row{&C::RadioButton3,  "RadioButton3",  "Panel1",      {  4,  43,  82,  18}, kSchoolCaptions[2]},
    Row{&C::RadioButton4,  "RadioButton4",  "Panel1",      {  4,  63,  82,  18}, kSchoolCaptions[3]},
    Row{&C::RadioButton5,  "RadioButton5",  "Panel1",      { 88,   3,  94,  18}, kSchoolCaptions[4]},
    Row{&C::RadioButton6,  "RadioButton6",  "Panel1",      { 88,  23,  94,  18}, kSchoolCaptions[5]},
    Row{&C::RadioButton7,  "RadioButton7",  "Panel1",      { 88,  43,  94,  18}, kSchoolCaptions[6]},
    Row{&C::RadioButton8,  "RadioButton8",  "Panel1",      { 88,  63,  94,  18}, kSchoolCaptions[7]},
    Row{&C::AlignmentBox2, "AlignmentBox2", "",            {  8, 202, 156,  98}, "Alignment"},
    Row{&C::lawcaosradio,  "lawcaosradio",  "AlignmentBox2",{ 4,  18,  75,  74}, {},                 {}, "Alignment: law or chaos", kPlain,   kLawChaosCaptions},
    Row{&C::goodevilradio, "goodevilradio", "AlignmentBox2",{79,  18,  73,  74}, {},                 {}, "Alignment: good or evil", kPlain,   kGoodEvilCaptions},
    Row{&C::RadioGroup2,   "RadioGroup2",   "",            {168, 202, 184,  98}, "Dice method",      {}, {},                        kPlain,   kDiceMethodCaptions},
    Row{&C::Button1,       "Button1",       "",            {358, 208,  63,  44}, "Generate!",        {}, {},                        kDefault},
    Row{&C::Button4,       "Button4",       "",            {358, 255,  63,  22}, "About"},
    Row{&C::Button3,       "Button3",       "",            {358, 279,  63,  22}, "Exit"},
    Row{&C::CheckBox2,     "CheckBox2",     "",            {  8, 309, 330,  18}, "Lift all Character Combination Restrictions"},
};
// clang-format on

}  // namespace

std::array<QCheckBox*, kClassBoxCount> OptionsControls::classBoxes() const {
    return {FighterBox, RangerBox, PaladinBox, MageBox, SpecialistBox,
            ClericBox,  DruidBox,  ThiefBox,   BardBox};
}

std::array<QRadioButton*, kSchoolCount> OptionsControls::schools() const {
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
            RadioButton5, RadioButton6, RadioButton7, RadioButton8};
}

OptionsControls buildOptionsControls(QWidget* window) {
    OptionsControls c;
    buildControls(window, c, kControls);
    c.Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);  // lowered outside, raised inside
    // Both alignment groups have a "Neutral" button; heard alone, each must still say which
    // axis it is on.
    c.lawcaosradio->button(1)->setAccessibleName(QStringLiteral("Neutral, between law and chaos"));
    c.goodevilradio->button(1)->setAccessibleName(QStringLiteral("Neutral, between good and evil"));
    return c;
}

}  // namespace tavrel
