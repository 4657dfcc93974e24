// The main window's layout outside the calculator panel: every control's place (left, top,
// width, height in pixels of its parent's client area), font and fixed caption. The captions
// that follow the interface language are written from the session and are not repeated here.
#pragma once

#include "app/layout_font.h"

namespace vaneko::app {

struct Place {
  int left;
  int top;
  int width;
  int height;
};

// One control of the layout. `caption` is null where the session writes it; `accessible`
// is the name a screen reader announces, saying what the control does.
struct ControlLayout {
  const char* name;
  Place place;
  FontChoice font;
  const char* caption = nullptr;
  const char* accessible = nullptr;
};

inline constexpr FontChoice kMss11{Face::SansSerif, 11};
inline constexpr FontChoice kMss12{Face::SansSerif, 12};
inline constexpr FontChoice kTnr12{Face::Serif, 12};
inline constexpr FontChoice kTnr15{Face::Serif, 15};
inline constexpr FontChoice kTnr16{Face::Serif, 16};
inline constexpr FontChoice kTnr19{Face::Serif, 19};

// The window. The layout is 1279 x 651 (the calculator panel reaches x = 1279); the window
// is as wide as the screen's work area and 652 pixels high, and scrolls what does not fit.
inline constexpr int kLayoutWidth = 1279;
inline constexpr int kLayoutHeight = 651;
inline constexpr int kWindowHeight = 652;
inline constexpr FontChoice kWindowFont = kMss11;
inline constexpr char kWindowCaption[] = "Vaneko 2.0 par l'équipe Vaneko (2025-2026)";
inline constexpr char kApplicationTitle[] = "Vaneko";

// Controls placed directly on the window.
inline constexpr ControlLayout kLabel2{"Label2", {59, 0, 145, 21}, kTnr19};
inline constexpr ControlLayout kLabel5{"Label5", {243, 0, 60, 21}, kTnr19};
inline constexpr ControlLayout kNombre1{
    "Nombre1", {59, 24, 161, 21}, kMss12, nullptr, "Number to convert"};
inline constexpr ControlLayout kResult{
    "Result", {243, 24, 177, 21}, kMss12, nullptr, "Conversion result"};
inline constexpr ControlLayout kButton2{
    "Button2", {427, 24, 97, 25}, kMss12, nullptr, "Convert the number"};
inline constexpr ControlLayout kTabControl1{
    "TabControl1", {8, 50, 563, 601}, kMss12, nullptr, "Unit category"};
inline constexpr ControlLayout kPanel1{
    "Panel1", {572, 0, 707, 651}, kTnr12, nullptr, "Scientific calculator"};
inline constexpr ControlLayout kButton44{
    "Button44", {11, 21, 32, 25}, kMss11, "+/-", "Change the sign of the number to convert"};

// Controls inside the tab control.
inline constexpr ControlLayout kLabel4{"Label4", {118, 52, 24, 21}, kTnr19};
inline constexpr ControlLayout kLabel3{"Label3", {336, 54, 13, 21}, kTnr19};
inline constexpr ControlLayout kIndex1{
    "Index1", {16, 78, 231, 508}, kMss12, nullptr, "Unit to convert from"};
inline constexpr ControlLayout kIndex2{
    "Index2", {256, 78, 175, 507}, kMss12, nullptr, "Unit to convert to"};
inline constexpr int kListItemHeight = 13;
inline constexpr ControlLayout kPanel5{
    "Panel5", {440, 205, 115, 166}, kMss12, nullptr, "About Vaneko"};
inline constexpr ControlLayout kButton1{
    "Button1", {448, 432, 105, 41}, kMss12, nullptr, "Quit Vaneko"};
inline constexpr ControlLayout kButton157{
    "Button157", {447, 378, 106, 39}, kTnr12, "Radians / Degres", "Show the trigonometric circle"};

// The converter's keypad, in tab order. The grid reads, row by row: "5" "8" "9"; "4" "6" "7";
// "1" "2" "3"; "0" "," "<<"; and "C" alone in the middle column.
struct KeypadKeyLayout {
  ControlLayout control;
  const char* handler;  // the slot its click runs
};

inline constexpr KeypadKeyLayout kKeypad[] = {
    {{"Button47", {453, 143, 32, 25}, kTnr12, "0", "Digit 0"}, "Button47Click"},
    {{"Button48", {487, 143, 32, 25}, kTnr16, ",", "Decimal comma"}, "Button47Click"},
    {{"Button49", {521, 143, 33, 25}, kTnr12, "<<", "Delete last character"}, "Button49Click"},
    {{"Button50", {487, 170, 32, 25}, kTnr12, "C", "Clear the number to convert"}, "Button50Click"},
    {{"Button51", {453, 114, 32, 25}, kTnr12, "1", "Digit 1"}, "Button47Click"},
    {{"Button52", {487, 114, 32, 25}, kTnr12, "2", "Digit 2"}, "Button47Click"},
    {{"Button53", {521, 114, 33, 25}, kTnr12, "3", "Digit 3"}, "Button47Click"},
    {{"Button54", {453, 87, 32, 25}, kTnr12, "4", "Digit 4"}, "Button47Click"},
    {{"Button55", {453, 59, 32, 25}, kTnr12, "5", "Digit 5"}, "Button47Click"},
    {{"Button56", {487, 87, 32, 25}, kTnr12, "6", "Digit 6"}, "Button47Click"},
    {{"Button57", {521, 87, 33, 25}, kTnr12, "7", "Digit 7"}, "Button47Click"},
    {{"Button58", {487, 59, 32, 25}, kTnr12, "8", "Digit 8"}, "Button47Click"},
    {{"Button59", {521, 59, 33, 25}, kTnr12, "9", "Digit 9"}, "Button47Click"},
};

// The about panel's controls (places inside Panel5).
inline constexpr ControlLayout kImage1{"Image1", {48, 8, 33, 33}, kMss12};
inline constexpr ControlLayout kImage2{"Image2", {50, 10, 33, 33}, kMss12};
inline constexpr ControlLayout kLabel1{"Label1", {18, 48, 86, 17}, kTnr15, "Équipe Vaneko"};
inline constexpr ControlLayout kStaticText1{
    "StaticText1", {18, 66, 86, 17}, kMss12, "  info@vk.test  "};
inline constexpr ControlLayout kStaticText2{"StaticText2", {20, 88, 72, 17}, kMss12, "www.vk.test"};
inline constexpr ControlLayout kButton4{
    "Button4", {30, 112, 57, 25}, kMss12, "Français", "Show the window in French"};
inline constexpr ControlLayout kButton3{
    "Button3", {30, 140, 57, 25}, kMss12, "English", "Show the window in English"};

// Resources compiled into the program.
inline constexpr char kAboutPicture[] = ":/vaneko/about.bmp";
inline constexpr char kWindowIcon[] = ":/vaneko/gear.bmp";

}  // namespace vaneko::app
