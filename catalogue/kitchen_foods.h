// Tab 5, grams to kitchen measures: the from-list. It is the same in both languages. Line 0 is
// the heading, line 1 a single blank; the foods follow grouped by initial letter, each group
// closed by a separator line (a single blank after the A group, empty lines after the others).
// Heading and separators are list items like the foods, so a food's position here is its
// position in the list. Names are shown exactly as written, trailing and double blanks included.
#pragma once

#include <string_view>

namespace vaneko::catalogue {

// One row per list line, in list order.
inline constexpr std::string_view kKitchenFoodLines[] = {
    "En Gramme ",                               // 0
    " ",                                        // 1
    "Abricot confit",                           // 2
    "Abricot en tranches",                      // 3
    "Abricot sec",                              // 4
    "Ail",                                      // 5
    "Ail émincé",                               // 6
    "Amande moulue",                            // 7
    "Amande rôtie blanchie",                    // 8
    "Amande rôtie non blanchie salée",          // 9
    "Ananas confit",                            // 10
    "Ananas en dés",                            // 11
    "Anchois",                                  // 12
    "Arachide",                                 // 13
    "Arachide rôtie à l'huile non salée ",      // 14
    "Arachide rôtie à l'huile salée ",          // 15
    "Asperge ",                                 // 16
    "Aubergine en cubes",                       // 17
    " ",                                        // 18
    "Banane en purée",                          // 19
    "Banane en tranches",                       // 20
    "Basilic sec ",                             // 21
    "Bette à carde",                            // 22
    "Betterave",                                // 23
    "Beurre",                                   // 24
    "Beurre arachides avec gras sel et sucre",  // 25
    "Bicarbonate soude",                        // 26
    "Bleuet",                                   // 27
    "Brocoli haché",                            // 28
    "Bulgur",                                   // 29
    "",                                         // 30
    "Café instantané en poudre",                // 31
    "Café moulu",                               // 32
    "Canelle moulue",                           // 33
    "Canneberge entière",                       // 34
    "Cantaloup en dés",                         // 35
    "Cardon filamenté",                         // 36
    "Carotte en tranches",                      // 37
    "Carotte râpée",                            // 38
    "Cédrat confit",                            // 39
    "Céleri en dés",                            // 40
    "Céleri en graines",                        // 41
    "Céleri-rave",                              // 42
    "Céréale Rice Krispies",                    // 43
    "Cerise confite",                           // 44
    "Cerise terre",                             // 45
    "Champignon en morceaux",                   // 46
    "Champignon entier",                        // 47
    "Chapelure biscuit Graham",                 // 48
    "Chapelure Corn Flakes",                    // 49
    "Chapelure pain blanc",                     // 50
    "Chapelure pain séché",                     // 51
    "Chapelure fraîche pain",                   // 52
    "Châtainge rôtie",                          // 53
    "Chayotte en morceaux",                     // 54
    "Chocolat en morceaux",                     // 55
    "Chocolat fondu",                           // 56
    "Chocolat râpé",                            // 57
    "Chou Bruxelles",                           // 58
    "Chou haché",                               // 59
    "Chou rouge haché",                         // 60
    "Chou vert frisé haché",                    // 61
    "Chou-fleur",                               // 62
    "Chou-rave",                                // 63
    "Ciboulette hachée",                        // 64
    "Citrouille en cubes",                      // 65
    "Clou girofle entier",                      // 66
    "Clou girofle moulu",                       // 67
    "Concombre pelé haché",                     // 68
    "Confiture",                                // 69
    "Coriandre",                                // 70
    "Couscous",                                 // 71
    "Cresson fontaine haché",                   // 72
    "Curcuma moulu",                            // 73
    "",                                         // 74
    "Datte séchée dénoyautée hachée",           // 75
    "",                                         // 76
    "Échalote hachée",                          // 77
    "Écorce citron râpée",                      // 78
    "Écorce orange râpée",                      // 79
    "Endive",                                   // 80
    "Épinard",                                  // 81
    "",                                         // 82
    "Farine arrowroot",                         // 83
    "Farine avoine",                            // 84
    "Farine blé à gâteau non tamisée",          // 85
    "Farine blé à gâteau tamisée",              // 86
    "Farine blé blanche à gâteau non tamisée",  // 87
    "Farine blé blanche à pain",                // 88
    "Farine blé blanche tout usage",            // 89
    "Farine blé tout usage tamisée",            // 90
    "Farine blé",                               // 91
    "Farine maïs",                              // 92
    "Farine pomme terre",                       // 93
    "Farine riz blanc",                         // 94
    "Farine riz brun",                          // 95
    "Farine sarrasin",                          // 96
    "Farine seigle",                            // 97
    "Farine semoule",                           // 98
    "Fécule maïs tamisée",                      // 99
    "Fécule pomme terre tamisée",               // 100
    "Fève sèche",                               // 101
    "Figue barbarie",                           // 102
    "Figue sèche",                              // 103
    "Fraise entière",                           // 104
    "Framboise",                                // 105
    "Framboise congelée",                       // 106
    "Fromage bleu émietté",                     // 107
    "Fromage brie en tranches",                 // 108
    "Fromage cheddar râpé",                     // 109
    "Fromage colby râpé",                       // 110
    "Fromage cottage",                          // 111
    "Fromage cottage non tassé",                // 112
    "Fromage emmental filamenté",               // 113
    "Fromage féta émietté",                     // 114
    "Fromage gruyère filamenté",                // 115
    "Fromage jack râpé",                        // 116
    "Fromage muenster filamenté",               // 117
    "Fromage parmesan râpé",                    // 118
    "Fromage port-salut filamenté",             // 119
    "Fromage râpé",                             // 120
    "Fromage ricotte",                          // 121
    "Fromage roquefort émietté",                // 122
    "Fruit confit",                             // 123
    "Fruit sec",                                // 124
    "",                                         // 125
    "Gélatine",                                 // 126
    "Germe blé",                                // 127
    "Gingembre",                                // 128
    "Gingembre moulu",                          // 129
    "Glucose",                                  // 130
    "Gourgane sans cosse",                      // 131
    "Gousse vanille écrasée",                   // 132
    "Gras bœuf",                                // 133
    "Gras canard",                              // 134
    "Gras porc=saindoux",                       // 135
    "Gras poulet",                              // 136
    "Gras végétal Crisco fondu",                // 137
    "Gras végétal Crisco solide",               // 138
    "Groseille à maquereau",                    // 139
    "Gruau sec -- Flocons d'avoine",            // 140
    "Guimauve mini",                            // 141
    "",                                         // 142
    "haricot blanc",                            // 143
    "haricot blanc petit",                      // 144
    "haricot lima",                             // 145
    "haricot jaune",                            // 146
    "haricot noir",                             // 147
    "haricot vert",                             // 148
    "hoummos maison",                           // 149
    "",                                         // 150
    "jaune œuf",                                // 151
    "kiwi",                                     // 152
    "",                                         // 153
    "lait entier en poudre",                    // 154
    "laitue frisée filamentée",                 // 155
    "laitue iceberg hachée",                    // 156
    "laitue romaine filamentée",                // 157
    "lard",                                     // 158
    "lentille",                                 // 159
    "levure chimique action continue double",   // 160
    "lin en graines",                           // 161
    "litchi",                                   // 162
    "",                                         // 163
    "macaroni blé entier",                      // 164
    "mâche",                                    // 165
    "maïs sucré",                               // 166
    "mangue en tranches",                       // 167
    "margarine",                                // 168
    "mayonnaise",                               // 169
    "mélasse",                                  // 170
    "miel",                                     // 171
    "millet",                                   // 172
    "moutarde",                                 // 173
    "moutarde en poudre",                       // 174
    "mûre",                                     // 175
    "",                                         // 176
    "navet en cubes",                           // 177
    "nectarine en tranches",                    // 178
    "noisette déshydratée entière",             // 179
    "noix acajou rôtie entière",                // 180
    "noix coco filamentée",                     // 181
    "noix coco séchée sucrée en flocons",       // 182
    "noix grenoble déshydratée en moitiées",    // 183
    "noix du Brésil déshydratée",               // 184
    "noix en poudre",                           // 185
    "nouilles aux œufs sèches",                 // 186
    "",                                         // 187
    "oeuf entier dur",                          // 188
    "oeuf",                                     // 189
    "oignon en tranches",                       // 190
    "oignon haché",                             // 191
    "oignon vert haché",                        // 192
    "okra",                                     // 193
    "olive verte hachée",                       // 194
    "orange avec pelure",                       // 195
    "orge",                                     // 196
    "",                                         // 197
    "pacane en moitiés",                        // 198
    "pacane en poudre",                         // 199
    "panais en tranches",                       // 200
    "papaye en cubes",                          // 201
    "paprika",                                  // 202
    "pastèque en dés",                          // 203
    "patate douce en cubes",                    // 204
    "pâtisson en tranches",                     // 205
    "pavot en graines",                         // 206
    "pêche en tranches",                        // 207
    "pelure citron confite",                    // 208
    "pelure pamplemousse confite",              // 209
    "pelure orange confite",                    // 210
    "persil frais",                             // 211
    "pignon",                                   // 212
    "piment chili haché ou en dés",             // 213
    "piment jalapeno en tranches",              // 214
    "piment serrano haché",                     // 215
    "pissenlit en feuilles hachées",            // 216
    "pistache",                                 // 217
    "poire avec pelure en tranches",            // 218
    "poire confite",                            // 219
    "poireau",                                  // 220
    "pois cassé",                               // 221
    "pois mange-tout entier",                   // 222
    "pois pigeon",                              // 223
    "pois vert",                                // 224
    "poivre blanc en grain",                    // 225
    "poivre noir en grain",                     // 226
    "poivron haché",                            // 227
    "pomme avec ou sans pelure en tranches",    // 228
    "pomme terre en dés",                       // 229
    "pomme terre en purée",                     // 230
    "poudre à pâte",                            // 231
    "poudre cacao",                             // 232
    "pourpier",                                 // 233
    "pousse bambou en conserve",                // 234
    "prune en tranches",                        // 235
    "",                                         // 236
    "quinoa en grains",                         // 237
    "",                                         // 238
    "radicchio filamenté",                      // 239
    "radis en tranches",                        // 240
    "raisin corinthe sec",                      // 241
    "raisin sultana sec",                       // 242
    "rhubarbe en dés",                          // 243
    "riz basmati",                              // 244
    "riz blanc à grain court",                  // 245
    "riz blanc à grain long",                   // 246
    "riz blanc à grain moyen",                  // 247
    "riz blanc glutineux",                      // 248
    "riz brun à grain long",                    // 249
    "riz brun à grain moyen",                   // 250
    "riz sauvage",                              // 251
    "roquette",                                 // 252
    "rutabaga en cubes",                        // 253
    "",                                         // 254
    "salsifis en tranches",                     // 255
    "sarrazin en grains",                       // 256
    "seigle en grains",                         // 257
    "sel table",                                // 258
    "sésame en graines",                        // 259
    "son avoine en grains",                     // 260
    "sucre à glace non tamisé",                 // 261
    "sucre à glace tamisé",                     // 262
    "sucre brun (cassonade) non tassé",         // 263
    "sucre brun (cassonade) tassé",             // 264
    "sucre granulé",                            // 265
    "",                                         // 266
    "tamarin",                                  // 267
    "tangerine en sections",                    // 268
    "tapioca perlé",                            // 269
    "taro en tranches",                         // 270
    "tomate cerise rouge",                      // 271
    "tomate jaune hachée",                      // 272
    "tomate rouge en tranches",                 // 273
    "tomate verte",                             // 274
    "tomate  pâte en conserve",                 // 275
    "topinambour en tranches",                  // 276
    "tournesol grillé en graines",              // 277
    "",                                         // 278
    "vanille en extrait",                       // 279
    "yaourt",                                   // 280
    "zucchini haché",                           // 281
    "",                                         // 282
};

}  // namespace vaneko::catalogue
