// Kitchen measures of foods: a mass in grams of a food becomes the volume it takes, in
// millilitres or in one of five kitchen measures. The from-list holds the foods, grouped by
// initial letter under a heading; the to-list holds the measures. There is no same-unit case and
// no way back from volume to mass.
#include <array>
#include <optional>

#include "convert/dispatch.h"

namespace vaneko::convert {

namespace {

constexpr std::optional<long double> kNotAFood = std::nullopt;

// Millilitres per gram of each food (the reciprocal of its density), indexed by from-list
// position; the heading and the separator lines have none.
constexpr std::array<std::optional<long double>, 283> kFoodMillilitresPerGram = {{
    kNotAFood,  // 0 heading
    kNotAFood,  // 1 separator
    1.27L,      // 2 Abricot confit
    1.43L,      // 3 Abricot en tranches
    1.56L,      // 4 Abricot sec
    1.74L,      // 5 Ail
    1.56L,      // 6 Ail émincé
    2.78L,      // 7 Amande moulue
    1.67L,      // 8 Amande rôtie blanchie
    1.51L,      // 9 Amande rôtie non blanchie salée
    1.27L,      // 10 Ananas confit
    1.53L,      // 11 Ananas en dés
    0.98L,      // 12 Anchois
    1.62L,      // 13 Arachide
    1.78L,      // 14 Arachide rôtie à l'huile non salée
    1.64L,      // 15 Arachide rôtie à l'huile salée
    1.77L,      // 16 Asperge
    2.89L,      // 17 Aubergine en cubes
    kNotAFood,  // 18 separator
    1.05L,      // 19 Banane en purée
    1.58L,      // 20 Banane en tranches
    9.09L,      // 21 Basilic sec
    6.57L,      // 22 Bette à carde
    1.74L,      // 23 Betterave
    1.04L,      // 24 Beurre
    0.92L,      // 25 Beurre arachides avec gras sel et sucre
    1.15L,      // 26 Bicarbonate soude
    1.63L,      // 27 Bleuet
    2.69L,      // 28 Brocoli haché
    1.69L,      // 29 Bulgur
    kNotAFood,  // 30 separator
    5.44L,      // 31 Café instantané en poudre
    2.63L,      // 32 Café moulu
    1.96L,      // 33 Canelle moulue
    2.49L,      // 34 Canneberge entière
    1.52L,      // 35 Cantaloup en dés
    1.33L,      // 36 Cardon filamenté
    1.94L,      // 37 Carotte en tranches
    2.15L,      // 38 Carotte râpée
    1.12L,      // 39 Cédrat confit
    1.97L,      // 40 Céleri en dés
    1.96L,      // 41 Céleri en graines
    1.52L,      // 42 Céleri-rave
    8.76L,      // 43 Céréale Rice Krispies
    1.33L,      // 44 Cerise confite
    1.69L,      // 45 Cerise terre
    3.38L,      // 46 Champignon en morceaux
    2.46L,      // 47 Champignon entier
    2.82L,      // 48 Chapelure biscuit Graham
    2.5L,       // 49 Chapelure Corn Flakes
    5.26L,      // 50 Chapelure pain blanc
    2.19L,      // 51 Chapelure pain séché
    3.97L,      // 52 Chapelure fraîche pain
    1.65L,      // 53 Châtainge rôtie
    1.79L,      // 54 Chayotte en morceaux
    1.32L,      // 55 Chocolat en morceaux
    0.98L,      // 56 Chocolat fondu
    2.38L,      // 57 Chocolat râpé
    2.69L,      // 58 Chou Bruxelles
    2.66L,      // 59 Chou haché
    2.66L,      // 60 Chou rouge haché
    3.53L,      // 61 Chou vert frisé haché
    2.37L,      // 62 Chou-fleur
    1.75L,      // 63 Chou-rave
    4.9L,       // 64 Ciboulette hachée
    2.4L,       // 65 Citrouille en cubes
    2.63L,      // 66 Clou girofle entier
    2.5L,       // 67 Clou girofle moulu
    1.78L,      // 68 Concombre pelé haché
    0.73L,      // 69 Confiture
    14.79L,     // 70 Coriandre
    1.37L,      // 71 Couscous
    6.96L,      // 72 Cresson fontaine haché
    1.69L,      // 73 Curcuma moulu
    kNotAFood,  // 74 separator
    1.33L,      // 75 Datte séchée dénoyautée hachée
    kNotAFood,  // 76 separator
    1.48L,      // 77 Échalote hachée
    1.56L,      // 78 Écorce citron râpée
    2.63L,      // 79 Écorce orange râpée
    2.63L,      // 80 Endive
    7.89L,      // 81 Épinard
    kNotAFood,  // 82 separator
    1.85L,      // 83 Farine arrowroot
    1.39L,      // 84 Farine avoine
    2.13L,      // 85 Farine blé à gâteau non tamisée
    2.46L,      // 86 Farine blé à gâteau tamisée
    1.73L,      // 87 Farine blé blanche à gâteau non tamisée
    1.73L,      // 88 Farine blé blanche à pain
    1.89L,      // 89 Farine blé blanche tout usage
    2.06L,      // 90 Farine blé tout usage tamisée
    1.97L,      // 91 Farine blé
    2.02L,      // 92 Farine maïs
    1.48L,      // 93 Farine pomme terre
    1.5L,       // 94 Farine riz blanc
    1.5L,       // 95 Farine riz brun
    1.97L,      // 96 Farine sarrasin
    2.63L,      // 97 Farine seigle
    1.35L,      // 98 Farine semoule
    1.85L,      // 99 Fécule maïs tamisée
    1.67L,      // 100 Fécule pomme terre tamisée
    1.18L,      // 101 Fève sèche
    1.59L,      // 102 Figue barbarie
    1.43L,      // 103 Figue sèche
    1.64L,      // 104 Fraise entière
    1.92L,      // 105 Framboise
    0.95L,      // 106 Framboise congelée
    1.75L,      // 107 Fromage bleu émietté
    1.64L,      // 108 Fromage brie en tranches
    1.96L,      // 109 Fromage cheddar râpé
    2.13L,      // 110 Fromage colby râpé
    1.03L,      // 111 Fromage cottage
    1.05L,      // 112 Fromage cottage non tassé
    2.19L,      // 113 Fromage emmental filamenté
    1.58L,      // 114 Fromage féta émietté
    2.19L,      // 115 Fromage gruyère filamenté
    1.82L,      // 116 Fromage jack râpé
    2.09L,      // 117 Fromage muenster filamenté
    2.37L,      // 118 Fromage parmesan râpé
    2.09L,      // 119 Fromage port-salut filamenté
    2.0L,       // 120 Fromage râpé
    0.96L,      // 121 Fromage ricotte
    1.75L,      // 122 Fromage roquefort émietté
    1.27L,      // 123 Fruit confit
    1.56L,      // 124 Fruit sec
    kNotAFood,  // 125 separator
    1.08L,      // 126 Gélatine
    1.89L,      // 127 Germe blé
    2.46L,      // 128 Gingembre
    2.74L,      // 129 Gingembre moulu
    0.69L,      // 130 Glucose
    2.17L,      // 131 Gourgane sans cosse
    1.47L,      // 132 Gousse vanille écrasée
    1.15L,      // 133 Gras bœuf
    1.15L,      // 134 Gras canard
    1.15L,      // 135 Gras porc=saindoux
    1.15L,      // 136 Gras poulet
    1.12L,      // 137 Gras végétal Crisco fondu
    1.08L,      // 138 Gras végétal Crisco solide
    1.58L,      // 139 Groseille à maquereau
    2.53L,      // 140 Gruau sec -- Flocons d'avoine
    4.73L,      // 141 Guimauve mini
    kNotAFood,  // 142 separator
    1.17L,      // 143 haricot blanc
    1.1L,       // 144 haricot blanc petit
    1.52L,      // 145 haricot lima
    1.21L,      // 146 haricot jaune
    1.22L,      // 147 haricot noir
    1.29L,      // 148 haricot vert
    0.96L,      // 149 hoummos maison
    kNotAFood,  // 150 separator
    0.88L,      // 151 jaune œuf
    1.34L,      // 152 kiwi
    kNotAFood,  // 153 separator
    1.85L,      // 154 lait entier en poudre
    4.22L,      // 155 laitue frisée filamentée
    4.3L,       // 156 laitue iceberg hachée
    4.22L,      // 157 laitue romaine filamentée
    1.32L,      // 158 lard
    1.23L,      // 159 lentille
    1.07L,      // 160 levure chimique action continue double
    1.53L,      // 161 lin en graines
    1.25L,      // 162 litchi
    kNotAFood,  // 163 separator
    2.25L,      // 164 macaroni blé entier
    4.22L,      // 165 mâche
    1.54L,      // 166 maïs sucré
    1.43L,      // 167 mangue en tranches
    1.04L,      // 168 margarine
    0.97L,      // 169 mayonnaise
    0.7L,       // 170 mélasse
    0.7L,       // 171 miel
    1.18L,      // 172 millet
    0.95L,      // 173 moutarde
    2.04L,      // 174 moutarde en poudre
    1.64L,      // 175 mûre
    kNotAFood,  // 176 separator
    1.82L,      // 177 navet en cubes
    1.71L,      // 178 nectarine en tranches
    1.75L,      // 179 noisette déshydratée entière
    1.73L,      // 180 noix acajou rôtie entière
    2.96L,      // 181 noix coco filamentée
    3.2L,       // 182 noix coco séchée sucrée en flocons
    2.37L,      // 183 noix grenoble déshydratée en moitiées
    1.69L,      // 184 noix du Brésil déshydratée
    2.78L,      // 185 noix en poudre
    6.23L,      // 186 nouilles aux œufs sèches
    kNotAFood,  // 187 separator
    1.74L,      // 188 oeuf entier dur
    0.96L,      // 189 oeuf
    2.06L,      // 190 oignon en tranches
    1.48L,      // 191 oignon haché
    2.37L,      // 192 oignon vert haché
    2.37L,      // 193 okra
    1.78L,      // 194 olive verte hachée
    1.39L,      // 195 orange avec pelure
    1.29L,      // 196 orge
    kNotAFood,  // 197 separator
    2.39L,      // 198 pacane en moitiés
    2.38L,      // 199 pacane en poudre
    1.78L,      // 200 panais en tranches
    1.69L,      // 201 papaye en cubes
    2.04L,      // 202 paprika
    1.56L,      // 203 pastèque en dés
    1.78L,      // 204 patate douce en cubes
    1.82L,      // 205 pâtisson en tranches
    1.75L,      // 206 pavot en graines
    1.39L,      // 207 pêche en tranches
    1.39L,      // 208 pelure citron confite
    1.39L,      // 209 pelure pamplemousse confite
    1.39L,      // 210 pelure orange confite
    3.94L,      // 211 persil frais
    1.75L,      // 212 pignon
    1.58L,      // 213 piment chili haché ou en dés
    2.63L,      // 214 piment jalapeno en tranches
    2.25L,      // 215 piment serrano haché
    4.3L,       // 216 pissenlit en feuilles hachées
    1.92L,      // 217 pistache
    1.43L,      // 218 poire avec pelure en tranches
    1.27L,      // 219 poire confite
    2.66L,      // 220 poireau
    1.2L,       // 221 pois cassé
    3.76L,      // 222 pois mange-tout entier
    1.55L,      // 223 pois pigeon
    1.63L,      // 224 pois vert
    2.08L,      // 225 poivre blanc en grain
    2.31L,      // 226 poivre noir en grain
    1.59L,      // 227 poivron haché
    2.15L,      // 228 pomme avec ou sans pelure en tranches
    1.58L,      // 229 pomme terre en dés
    1.13L,      // 230 pomme terre en purée
    1.32L,      // 231 poudre à pâte
    2.27L,      // 232 poudre cacao
    5.5L,       // 233 pourpier
    1.81L,      // 234 pousse bambou en conserve
    1.43L,      // 235 prune en tranches
    kNotAFood,  // 236 separator
    1.39L,      // 237 quinoa en grains
    kNotAFood,  // 238 separator
    5.92L,      // 239 radicchio filamenté
    2.04L,      // 240 radis en tranches
    1.64L,      // 241 raisin corinthe sec
    1.63L,      // 242 raisin sultana sec
    1.94L,      // 243 rhubarbe en dés
    1.2L,       // 244 riz basmati
    1.18L,      // 245 riz blanc à grain court
    1.28L,      // 246 riz blanc à grain long
    1.21L,      // 247 riz blanc à grain moyen
    1.28L,      // 248 riz blanc glutineux
    1.28L,      // 249 riz brun à grain long
    1.25L,      // 250 riz brun à grain moyen
    1.48L,      // 251 riz sauvage
    11.83L,     // 252 roquette
    1.69L,      // 253 rutabaga en cubes
    kNotAFood,  // 254 separator
    1.78L,      // 255 salsifis en tranches
    1.39L,      // 256 sarrazin en grains
    1.4L,       // 257 seigle en grains
    0.81L,      // 258 sel table
    1.47L,      // 259 sésame en graines
    2.52L,      // 260 son avoine en grains
    1.97L,      // 261 sucre à glace non tamisé
    2.37L,      // 262 sucre à glace tamisé
    1.63L,      // 263 sucre brun (cassonade) non tassé
    1.08L,      // 264 sucre brun (cassonade) tassé
    1.18L,      // 265 sucre granulé
    kNotAFood,  // 266 separator
    1.97L,      // 267 tamarin
    1.21L,      // 268 tangerine en sections
    1.56L,      // 269 tapioca perlé
    2.28L,      // 270 taro en tranches
    1.59L,      // 271 tomate cerise rouge
    1.7L,       // 272 tomate jaune hachée
    1.31L,      // 273 tomate rouge en tranches
    1.31L,      // 274 tomate verte
    0.9L,       // 275 tomate  pâte en conserve
    1.58L,      // 276 topinambour en tranches
    1.77L,      // 277 tournesol grillé en graines
    kNotAFood,  // 278 separator
    1.14L,      // 279 vanille en extrait
    0.97L,      // 280 yaourt
    1.91L,      // 281 zucchini haché
    kNotAFood,  // 282 separator
}};

// Measures per millilitre of to-list positions 1 to 5, as stored, to 15 significant digits.
// Position 0 is the millilitre itself.
constexpr std::array<long double, 6> kMeasuresPerMillilitre = {
    1.0L,                  // 0 Mililitre (not applied)
    0.202884136211058L,    // 1 Cuillière à thé: US teaspoon, 1 / 4.92892159375
    0.067628045403686L,    // 2 Cuilière à table: US tablespoon, 1 / 14.78676478125
    0.035195079727854L,    // 3 Once UK: UK fluid ounce, 1 / 28.4130625
    0.033814022701843L,    // 4 Once: US fluid ounce, 1 / 29.5735295625
    0.00422675283773037L,  // 5 Tasse: US cup, 1 / 236.5882365
};
constexpr int kMillilitrePosition = 0;

constexpr int CountFoods() {
  int count = 0;
  for (const auto& food : kFoodMillilitresPerGram) count += food.has_value() ? 1 : 0;
  return count;
}
static_assert(CountFoods() == 262, "283 list lines, 21 of them heading or separators");

}  // namespace

std::optional<Extended> ConvertKitchenMeasure(int i, int j, double value) {
  if (i < 0 || i >= static_cast<int>(kFoodMillilitresPerGram.size())) return std::nullopt;
  if (j < 0 || j >= static_cast<int>(kMeasuresPerMillilitre.size())) return std::nullopt;
  const std::optional<long double>& millilitresPerGram =
      kFoodMillilitresPerGram[static_cast<std::size_t>(i)];
  if (!millilitresPerGram) return std::nullopt;
  // The volume in millilitres first, then the measure's factor.
  const Extended millilitres = static_cast<Extended>(value) * *millilitresPerGram;
  if (j == kMillilitrePosition) return millilitres;
  return millilitres * kMeasuresPerMillilitre[static_cast<std::size_t>(j)];
}

}  // namespace vaneko::convert
