// The main window's layout outside the calculator panel: every control's place (left, top,
// width, height in pixels of its parent's client area), font and fixed caption. The captions
// that follow the interface language are written from the session and are not repeated here.
#pragma once

#include "app/layout_font.h"
#include "calculator/key_table.h"

namespace vaneko::app {

struct Place {
  int left;
  int top;
  int width;
  int height;
};

using calculator::Spoken;

// One control of the layout. `caption` is null where the session writes it; `spoken` is the
// name a screen reader announces and `description` what the control does, in each language
// (empty for a control that a label or its own caption names).
struct ControlLayout {
  const char* name;
  Place place;
  FontChoice font;
  const char* caption = nullptr;
  Spoken spoken = {};
  Spoken description = {};
};

inline constexpr FontChoice kMss11{Face::SansSerif, 11};
inline constexpr FontChoice kMss12{Face::SansSerif, 12};
inline constexpr FontChoice kTnr12{Face::Serif, 12};
inline constexpr FontChoice kTnr15{Face::Serif, 15};
inline constexpr FontChoice kTnr16{Face::Serif, 16};
inline constexpr FontChoice kTnr19{Face::Serif, 19};

// The window. The layout is 1279 x 651 (the calculator panel reaches x = 1279); the window
// is as wide as the screen's work area, and its client area as high as the layout wherever the
// work area holds it. (An outer height of 652 pixels, frame included, would leave the client
// area 24 pixels short and a scroll bar standing for nothing.) Only a smaller work area makes
// the client area scroll.
inline constexpr int kLayoutWidth = 1279;
inline constexpr int kLayoutHeight = 651;
inline constexpr FontChoice kWindowFont = kMss11;
inline constexpr char kWindowCaption[] = "Vaneko 2.0 par l'équipe Vaneko (2025-2026)";
inline constexpr char kApplicationTitle[] = "Vaneko";

// Controls placed directly on the window.
inline constexpr ControlLayout kLabel2{"Label2", {59, 0, 145, 21}, kTnr19};
inline constexpr ControlLayout kLabel5{"Label5", {243, 0, 60, 21}, kTnr19};
inline constexpr ControlLayout kNombre1{
    "Nombre1",
    {59, 24, 161, 21},
    kMss12,
    nullptr,
    {"Nombre à convertir", "Number to convert"},
    {"Le nombre que la conversion lit", "The number the conversion reads"}};
inline constexpr ControlLayout kResult{"Result",
                                       {243, 24, 177, 21},
                                       kMss12,
                                       nullptr,
                                       {"Résultat de la conversion", "Conversion result"},
                                       {"Le nombre converti", "The converted number"}};
inline constexpr ControlLayout kButton2{
    "Button2",
    {427, 24, 97, 25},
    kMss12,
    nullptr,
    {"Convertir le nombre", "Convert the number"},
    {"Convertit le nombre de l'unité de départ vers l'unité d'arrivée",
     "Converts the number from the first unit to the second"}};
inline constexpr ControlLayout kTabControl1{
    "TabControl1",
    {8, 50, 563, 601},
    kMss12,
    nullptr,
    {"Catégorie d'unités", "Unit category"},
    {"Choisit la catégorie des deux listes d'unités", "Chooses the category of both unit lists"}};
inline constexpr ControlLayout kPanel1{
    "Panel1",
    {572, 0, 707, 651},
    kTnr12,
    nullptr,
    {"Calculatrice scientifique", "Scientific calculator"},
    {"La calculatrice, à droite de la fenêtre", "The calculator, on the right of the window"}};
inline constexpr ControlLayout kButton44{
    "Button44",
    {11, 21, 32, 25},
    kMss11,
    "+/-",
    {"Changer le signe du nombre à convertir", "Change the sign of the number to convert"},
    {"Multiplie le nombre à convertir par −1", "Multiplies the number to convert by −1"}};

// Controls inside the tab control.
inline constexpr ControlLayout kLabel4{"Label4", {118, 52, 24, 21}, kTnr19};
inline constexpr ControlLayout kLabel3{"Label3", {336, 54, 13, 21}, kTnr19};
inline constexpr ControlLayout kIndex1{
    "Index1",
    {16, 78, 231, 508},
    kMss12,
    nullptr,
    {"Unité de départ", "Unit to convert from"},
    {"L'unité du nombre à convertir", "The unit of the number to convert"}};
inline constexpr ControlLayout kIndex2{"Index2",
                                       {256, 78, 175, 507},
                                       kMss12,
                                       nullptr,
                                       {"Unité d'arrivée", "Unit to convert to"},
                                       {"L'unité du résultat", "The unit of the result"}};
inline constexpr int kListItemHeight = 13;
inline constexpr ControlLayout kPanel5{
    "Panel5",
    {440, 205, 115, 166},
    kMss12,
    nullptr,
    {"À propos de Vaneko", "About Vaneko"},
    {"Les auteurs et le choix de la langue", "The authors and the choice of language"}};
inline constexpr ControlLayout kButton1{
    "Button1",
    {448, 432, 105, 41},
    kMss12,
    nullptr,
    {"Quitter Vaneko", "Quit Vaneko"},
    {"Ferme la fenêtre et termine le programme", "Closes the window and ends the program"}};
inline constexpr ControlLayout kButton157{
    "Button157",
    {447, 378, 106, 39},
    kTnr12,
    "Radians / Degres",
    {"Montrer le cercle trigonométrique", "Show the trigonometric circle"},
    {"Ouvre la fenêtre du cercle trigonométrique", "Opens the window of the trigonometric circle"}};

// The converter's keypad, in tab order. The grid reads, row by row: "5" "8" "9"; "4" "6" "7";
// "1" "2" "3"; "0" "," "<<"; and "C" alone in the middle column.
// What a keypad key's click does, and the window's slot that does it.
enum class KeypadAction {
  Enter,      // Button47Click: appends the key's caption, a digit or the comma
  Backspace,  // Button49Click
  Clear,      // Button50Click
};

struct KeypadKeyLayout {
  ControlLayout control;
  KeypadAction action;
};

inline constexpr KeypadKeyLayout kKeypad[] = {
    {{"Button47",
      {453, 143, 32, 25},
      kTnr12,
      "0",
      {"Chiffre 0 du nombre", "Number digit 0"},
      {"Ajoute 0 au nombre à convertir", "Appends 0 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button48",
      {487, 143, 32, 25},
      kTnr16,
      ",",
      {"Virgule du nombre", "Number decimal comma"},
      {"Ajoute la virgule au nombre à convertir s'il n'en a pas",
       "Appends the comma to the number to convert unless it has one"}},
     KeypadAction::Enter},
    {{"Button49",
      {521, 143, 33, 25},
      kTnr12,
      "<<",
      {"Effacer le dernier caractère du nombre", "Number backspace"},
      {"Efface le dernier caractère du nombre à convertir",
       "Deletes the last character of the number to convert"}},
     KeypadAction::Backspace},
    {{"Button50",
      {487, 170, 32, 25},
      kTnr12,
      "C",
      {"Effacer le nombre à convertir", "Clear the number to convert"},
      {"Vide le nombre à convertir", "Empties the number to convert"}},
     KeypadAction::Clear},
    {{"Button51",
      {453, 114, 32, 25},
      kTnr12,
      "1",
      {"Chiffre 1 du nombre", "Number digit 1"},
      {"Ajoute 1 au nombre à convertir", "Appends 1 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button52",
      {487, 114, 32, 25},
      kTnr12,
      "2",
      {"Chiffre 2 du nombre", "Number digit 2"},
      {"Ajoute 2 au nombre à convertir", "Appends 2 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button53",
      {521, 114, 33, 25},
      kTnr12,
      "3",
      {"Chiffre 3 du nombre", "Number digit 3"},
      {"Ajoute 3 au nombre à convertir", "Appends 3 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button54",
      {453, 87, 32, 25},
      kTnr12,
      "4",
      {"Chiffre 4 du nombre", "Number digit 4"},
      {"Ajoute 4 au nombre à convertir", "Appends 4 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button55",
      {453, 59, 32, 25},
      kTnr12,
      "5",
      {"Chiffre 5 du nombre", "Number digit 5"},
      {"Ajoute 5 au nombre à convertir", "Appends 5 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button56",
      {487, 87, 32, 25},
      kTnr12,
      "6",
      {"Chiffre 6 du nombre", "Number digit 6"},
      {"Ajoute 6 au nombre à convertir", "Appends 6 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button57",
      {521, 87, 33, 25},
      kTnr12,
      "7",
      {"Chiffre 7 du nombre", "Number digit 7"},
      {"Ajoute 7 au nombre à convertir", "Appends 7 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button58",
      {487, 59, 32, 25},
      kTnr12,
      "8",
      {"Chiffre 8 du nombre", "Number digit 8"},
      {"Ajoute 8 au nombre à convertir", "Appends 8 to the number to convert"}},
     KeypadAction::Enter},
    {{"Button59",
      {521, 59, 33, 25},
      kTnr12,
      "9",
      {"Chiffre 9 du nombre", "Number digit 9"},
      {"Ajoute 9 au nombre à convertir", "Appends 9 to the number to convert"}},
     KeypadAction::Enter},
};

// The about panel's controls (places inside Panel5).
inline constexpr ControlLayout kImage1{"Image1", {48, 8, 33, 33}, kMss12};
inline constexpr ControlLayout kImage2{"Image2", {50, 10, 33, 33}, kMss12};
inline constexpr calculator::Spoken kLogoName{"Logo de Vaneko", "Vaneko logo"};
inline constexpr ControlLayout kLabel1{"Label1", {18, 48, 86, 17}, kTnr15, "Équipe Vaneko"};
inline constexpr ControlLayout kStaticText1{
    "StaticText1", {18, 66, 86, 17}, kMss12, "  info@vk.test  "};
inline constexpr ControlLayout kStaticText2{"StaticText2", {20, 88, 72, 17}, kMss12, "www.vk.test"};
inline constexpr ControlLayout kButton4{
    "Button4",
    {30, 112, 57, 25},
    kMss12,
    "Français",
    {"Afficher en français", "Show the window in French"},
    {"Passe la fenêtre en français", "Switches the window to French"}};
inline constexpr ControlLayout kButton3{
    "Button3",
    {30, 140, 57, 25},
    kMss12,
    "English",
    {"Afficher en anglais", "Show the window in English"},
    {"Passe la fenêtre en anglais", "Switches the window to English"}};

// The converter half's controls that a screen reader names, for the window to name them in the
// interface language.
inline constexpr const ControlLayout* kSpokenControls[] = {
    &kNombre1, &kResult, &kButton2, &kTabControl1, &kPanel1,  &kButton44, &kIndex1,
    &kIndex2,  &kPanel5, &kButton1, &kButton157,   &kButton4, &kButton3,
};

// Resources compiled into the program.
inline constexpr char kAboutPicture[] = ":/vaneko/about.bmp";
inline constexpr char kWindowIcon[] = ":/vaneko/gear.bmp";

}  // namespace vaneko::app
