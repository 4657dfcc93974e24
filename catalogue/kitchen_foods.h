// Tab 5, grams to kitchen measures: the from-list, one row per list line. It is the same in both
// languages. Line 0 is the heading, line 1 a single blank; the foods follow grouped by initial
// letter, each group closed by a separator line (a single blank after the A group, empty lines
// after the others). Heading and separators are list items like the foods but have no density,
// so a food's position here is its position in the list. Names are shown exactly as written,
// trailing and double blanks included. A food's figure is the volume in millilitres that one
// gram of it takes (the reciprocal of its density), as the kitchen tables give it.
#pragma once

#include "catalogue/unit_rows.h"

namespace vaneko::catalogue {

// Name, millilitres per gram; in list order.
inline constexpr FoodRow kKitchenFoods[] = {
    {"En Gramme "},                                                // 0
    {" "},                                                         // 1
    {"Abricot confit", Decimal("1.27")},                           // 2
    {"Abricot en tranches", Decimal("1.43")},                      // 3
    {"Abricot sec", Decimal("1.56")},                              // 4
    {"Ail", Decimal("1.74")},                                      // 5
    {"Ail émincé", Decimal("1.56")},                               // 6
    {"Amande moulue", Decimal("2.78")},                            // 7
    {"Amande rôtie blanchie", Decimal("1.67")},                    // 8
    {"Amande rôtie non blanchie salée", Decimal("1.51")},          // 9
    {"Ananas confit", Decimal("1.27")},                            // 10
    {"Ananas en dés", Decimal("1.53")},                            // 11
    {"Anchois", Decimal("0.98")},                                  // 12
    {"Arachide", Decimal("1.62")},                                 // 13
    {"Arachide rôtie à l'huile non salée ", Decimal("1.78")},      // 14
    {"Arachide rôtie à l'huile salée ", Decimal("1.64")},          // 15
    {"Asperge ", Decimal("1.77")},                                 // 16
    {"Aubergine en cubes", Decimal("2.89")},                       // 17
    {" "},                                                         // 18
    {"Banane en purée", Decimal("1.05")},                          // 19
    {"Banane en tranches", Decimal("1.58")},                       // 20
    {"Basilic sec ", Decimal("9.09")},                             // 21
    {"Bette à carde", Decimal("6.57")},                            // 22
    {"Betterave", Decimal("1.74")},                                // 23
    {"Beurre", Decimal("1.04")},                                   // 24
    {"Beurre arachides avec gras sel et sucre", Decimal("0.92")},  // 25
    {"Bicarbonate soude", Decimal("1.15")},                        // 26
    {"Bleuet", Decimal("1.63")},                                   // 27
    {"Brocoli haché", Decimal("2.69")},                            // 28
    {"Bulgur", Decimal("1.69")},                                   // 29
    {""},                                                          // 30
    {"Café instantané en poudre", Decimal("5.44")},                // 31
    {"Café moulu", Decimal("2.63")},                               // 32
    {"Canelle moulue", Decimal("1.96")},                           // 33
    {"Canneberge entière", Decimal("2.49")},                       // 34
    {"Cantaloup en dés", Decimal("1.52")},                         // 35
    {"Cardon filamenté", Decimal("1.33")},                         // 36
    {"Carotte en tranches", Decimal("1.94")},                      // 37
    {"Carotte râpée", Decimal("2.15")},                            // 38
    {"Cédrat confit", Decimal("1.12")},                            // 39
    {"Céleri en dés", Decimal("1.97")},                            // 40
    {"Céleri en graines", Decimal("1.96")},                        // 41
    {"Céleri-rave", Decimal("1.52")},                              // 42
    {"Céréale Rice Krispies", Decimal("8.76")},                    // 43
    {"Cerise confite", Decimal("1.33")},                           // 44
    {"Cerise terre", Decimal("1.69")},                             // 45
    {"Champignon en morceaux", Decimal("3.38")},                   // 46
    {"Champignon entier", Decimal("2.46")},                        // 47
    {"Chapelure biscuit Graham", Decimal("2.82")},                 // 48
    {"Chapelure Corn Flakes", Decimal("2.5")},                     // 49
    {"Chapelure pain blanc", Decimal("5.26")},                     // 50
    {"Chapelure pain séché", Decimal("2.19")},                     // 51
    {"Chapelure fraîche pain", Decimal("3.97")},                   // 52
    {"Châtainge rôtie", Decimal("1.65")},                          // 53
    {"Chayotte en morceaux", Decimal("1.79")},                     // 54
    {"Chocolat en morceaux", Decimal("1.32")},                     // 55
    {"Chocolat fondu", Decimal("0.98")},                           // 56
    {"Chocolat râpé", Decimal("2.38")},                            // 57
    {"Chou Bruxelles", Decimal("2.69")},                           // 58
    {"Chou haché", Decimal("2.66")},                               // 59
    {"Chou rouge haché", Decimal("2.66")},                         // 60
    {"Chou vert frisé haché", Decimal("3.53")},                    // 61
    {"Chou-fleur", Decimal("2.37")},                               // 62
    {"Chou-rave", Decimal("1.75")},                                // 63
    {"Ciboulette hachée", Decimal("4.9")},                         // 64
    {"Citrouille en cubes", Decimal("2.4")},                       // 65
    {"Clou girofle entier", Decimal("2.63")},                      // 66
    {"Clou girofle moulu", Decimal("2.5")},                        // 67
    {"Concombre pelé haché", Decimal("1.78")},                     // 68
    {"Confiture", Decimal("0.73")},                                // 69
    {"Coriandre", Decimal("14.79")},                               // 70
    {"Couscous", Decimal("1.37")},                                 // 71
    {"Cresson fontaine haché", Decimal("6.96")},                   // 72
    {"Curcuma moulu", Decimal("1.69")},                            // 73
    {""},                                                          // 74
    {"Datte séchée dénoyautée hachée", Decimal("1.33")},           // 75
    {""},                                                          // 76
    {"Échalote hachée", Decimal("1.48")},                          // 77
    {"Écorce citron râpée", Decimal("1.56")},                      // 78
    {"Écorce orange râpée", Decimal("2.63")},                      // 79
    {"Endive", Decimal("2.63")},                                   // 80
    {"Épinard", Decimal("7.89")},                                  // 81
    {""},                                                          // 82
    {"Farine arrowroot", Decimal("1.85")},                         // 83
    {"Farine avoine", Decimal("1.39")},                            // 84
    {"Farine blé à gâteau non tamisée", Decimal("2.13")},          // 85
    {"Farine blé à gâteau tamisée", Decimal("2.46")},              // 86
    {"Farine blé blanche à gâteau non tamisée", Decimal("1.73")},  // 87
    {"Farine blé blanche à pain", Decimal("1.73")},                // 88
    {"Farine blé blanche tout usage", Decimal("1.89")},            // 89
    {"Farine blé tout usage tamisée", Decimal("2.06")},            // 90
    {"Farine blé", Decimal("1.97")},                               // 91
    {"Farine maïs", Decimal("2.02")},                              // 92
    {"Farine pomme terre", Decimal("1.48")},                       // 93
    {"Farine riz blanc", Decimal("1.5")},                          // 94
    {"Farine riz brun", Decimal("1.5")},                           // 95
    {"Farine sarrasin", Decimal("1.97")},                          // 96
    {"Farine seigle", Decimal("2.63")},                            // 97
    {"Farine semoule", Decimal("1.35")},                           // 98
    {"Fécule maïs tamisée", Decimal("1.85")},                      // 99
    {"Fécule pomme terre tamisée", Decimal("1.67")},               // 100
    {"Fève sèche", Decimal("1.18")},                               // 101
    {"Figue barbarie", Decimal("1.59")},                           // 102
    {"Figue sèche", Decimal("1.43")},                              // 103
    {"Fraise entière", Decimal("1.64")},                           // 104
    {"Framboise", Decimal("1.92")},                                // 105
    {"Framboise congelée", Decimal("0.95")},                       // 106
    {"Fromage bleu émietté", Decimal("1.75")},                     // 107
    {"Fromage brie en tranches", Decimal("1.64")},                 // 108
    {"Fromage cheddar râpé", Decimal("1.96")},                     // 109
    {"Fromage colby râpé", Decimal("2.13")},                       // 110
    {"Fromage cottage", Decimal("1.03")},                          // 111
    {"Fromage cottage non tassé", Decimal("1.05")},                // 112
    {"Fromage emmental filamenté", Decimal("2.19")},               // 113
    {"Fromage féta émietté", Decimal("1.58")},                     // 114
    {"Fromage gruyère filamenté", Decimal("2.19")},                // 115
    {"Fromage jack râpé", Decimal("1.82")},                        // 116
    {"Fromage muenster filamenté", Decimal("2.09")},               // 117
    {"Fromage parmesan râpé", Decimal("2.37")},                    // 118
    {"Fromage port-salut filamenté", Decimal("2.09")},             // 119
    {"Fromage râpé", Decimal("2.0")},                              // 120
    {"Fromage ricotte", Decimal("0.96")},                          // 121
    {"Fromage roquefort émietté", Decimal("1.75")},                // 122
    {"Fruit confit", Decimal("1.27")},                             // 123
    {"Fruit sec", Decimal("1.56")},                                // 124
    {""},                                                          // 125
    {"Gélatine", Decimal("1.08")},                                 // 126
    {"Germe blé", Decimal("1.89")},                                // 127
    {"Gingembre", Decimal("2.46")},                                // 128
    {"Gingembre moulu", Decimal("2.74")},                          // 129
    {"Glucose", Decimal("0.69")},                                  // 130
    {"Gourgane sans cosse", Decimal("2.17")},                      // 131
    {"Gousse vanille écrasée", Decimal("1.47")},                   // 132
    {"Gras bœuf", Decimal("1.15")},                                // 133
    {"Gras canard", Decimal("1.15")},                              // 134
    {"Gras porc=saindoux", Decimal("1.15")},                       // 135
    {"Gras poulet", Decimal("1.15")},                              // 136
    {"Gras végétal Crisco fondu", Decimal("1.12")},                // 137
    {"Gras végétal Crisco solide", Decimal("1.08")},               // 138
    {"Groseille à maquereau", Decimal("1.58")},                    // 139
    {"Gruau sec -- Flocons d'avoine", Decimal("2.53")},            // 140
    {"Guimauve mini", Decimal("4.73")},                            // 141
    {""},                                                          // 142
    {"haricot blanc", Decimal("1.17")},                            // 143
    {"haricot blanc petit", Decimal("1.1")},                       // 144
    {"haricot lima", Decimal("1.52")},                             // 145
    {"haricot jaune", Decimal("1.21")},                            // 146
    {"haricot noir", Decimal("1.22")},                             // 147
    {"haricot vert", Decimal("1.29")},                             // 148
    {"hoummos maison", Decimal("0.96")},                           // 149
    {""},                                                          // 150
    {"jaune œuf", Decimal("0.88")},                                // 151
    {"kiwi", Decimal("1.34")},                                     // 152
    {""},                                                          // 153
    {"lait entier en poudre", Decimal("1.85")},                    // 154
    {"laitue frisée filamentée", Decimal("4.22")},                 // 155
    {"laitue iceberg hachée", Decimal("4.3")},                     // 156
    {"laitue romaine filamentée", Decimal("4.22")},                // 157
    {"lard", Decimal("1.32")},                                     // 158
    {"lentille", Decimal("1.23")},                                 // 159
    {"levure chimique action continue double", Decimal("1.07")},   // 160
    {"lin en graines", Decimal("1.53")},                           // 161
    {"litchi", Decimal("1.25")},                                   // 162
    {""},                                                          // 163
    {"macaroni blé entier", Decimal("2.25")},                      // 164
    {"mâche", Decimal("4.22")},                                    // 165
    {"maïs sucré", Decimal("1.54")},                               // 166
    {"mangue en tranches", Decimal("1.43")},                       // 167
    {"margarine", Decimal("1.04")},                                // 168
    {"mayonnaise", Decimal("0.97")},                               // 169
    {"mélasse", Decimal("0.7")},                                   // 170
    {"miel", Decimal("0.7")},                                      // 171
    {"millet", Decimal("1.18")},                                   // 172
    {"moutarde", Decimal("0.95")},                                 // 173
    {"moutarde en poudre", Decimal("2.04")},                       // 174
    {"mûre", Decimal("1.64")},                                     // 175
    {""},                                                          // 176
    {"navet en cubes", Decimal("1.82")},                           // 177
    {"nectarine en tranches", Decimal("1.71")},                    // 178
    {"noisette déshydratée entière", Decimal("1.75")},             // 179
    {"noix acajou rôtie entière", Decimal("1.73")},                // 180
    {"noix coco filamentée", Decimal("2.96")},                     // 181
    {"noix coco séchée sucrée en flocons", Decimal("3.2")},        // 182
    {"noix grenoble déshydratée en moitiées", Decimal("2.37")},    // 183
    {"noix du Brésil déshydratée", Decimal("1.69")},               // 184
    {"noix en poudre", Decimal("2.78")},                           // 185
    {"nouilles aux œufs sèches", Decimal("6.23")},                 // 186
    {""},                                                          // 187
    {"oeuf entier dur", Decimal("1.74")},                          // 188
    {"oeuf", Decimal("0.96")},                                     // 189
    {"oignon en tranches", Decimal("2.06")},                       // 190
    {"oignon haché", Decimal("1.48")},                             // 191
    {"oignon vert haché", Decimal("2.37")},                        // 192
    {"okra", Decimal("2.37")},                                     // 193
    {"olive verte hachée", Decimal("1.78")},                       // 194
    {"orange avec pelure", Decimal("1.39")},                       // 195
    {"orge", Decimal("1.29")},                                     // 196
    {""},                                                          // 197
    {"pacane en moitiés", Decimal("2.39")},                        // 198
    {"pacane en poudre", Decimal("2.38")},                         // 199
    {"panais en tranches", Decimal("1.78")},                       // 200
    {"papaye en cubes", Decimal("1.69")},                          // 201
    {"paprika", Decimal("2.04")},                                  // 202
    {"pastèque en dés", Decimal("1.56")},                          // 203
    {"patate douce en cubes", Decimal("1.78")},                    // 204
    {"pâtisson en tranches", Decimal("1.82")},                     // 205
    {"pavot en graines", Decimal("1.75")},                         // 206
    {"pêche en tranches", Decimal("1.39")},                        // 207
    {"pelure citron confite", Decimal("1.39")},                    // 208
    {"pelure pamplemousse confite", Decimal("1.39")},              // 209
    {"pelure orange confite", Decimal("1.39")},                    // 210
    {"persil frais", Decimal("3.94")},                             // 211
    {"pignon", Decimal("1.75")},                                   // 212
    {"piment chili haché ou en dés", Decimal("1.58")},             // 213
    {"piment jalapeno en tranches", Decimal("2.63")},              // 214
    {"piment serrano haché", Decimal("2.25")},                     // 215
    {"pissenlit en feuilles hachées", Decimal("4.3")},             // 216
    {"pistache", Decimal("1.92")},                                 // 217
    {"poire avec pelure en tranches", Decimal("1.43")},            // 218
    {"poire confite", Decimal("1.27")},                            // 219
    {"poireau", Decimal("2.66")},                                  // 220
    {"pois cassé", Decimal("1.2")},                                // 221
    {"pois mange-tout entier", Decimal("3.76")},                   // 222
    {"pois pigeon", Decimal("1.55")},                              // 223
    {"pois vert", Decimal("1.63")},                                // 224
    {"poivre blanc en grain", Decimal("2.08")},                    // 225
    {"poivre noir en grain", Decimal("2.31")},                     // 226
    {"poivron haché", Decimal("1.59")},                            // 227
    {"pomme avec ou sans pelure en tranches", Decimal("2.15")},    // 228
    {"pomme terre en dés", Decimal("1.58")},                       // 229
    {"pomme terre en purée", Decimal("1.13")},                     // 230
    {"poudre à pâte", Decimal("1.32")},                            // 231
    {"poudre cacao", Decimal("2.27")},                             // 232
    {"pourpier", Decimal("5.5")},                                  // 233
    {"pousse bambou en conserve", Decimal("1.81")},                // 234
    {"prune en tranches", Decimal("1.43")},                        // 235
    {""},                                                          // 236
    {"quinoa en grains", Decimal("1.39")},                         // 237
    {""},                                                          // 238
    {"radicchio filamenté", Decimal("5.92")},                      // 239
    {"radis en tranches", Decimal("2.04")},                        // 240
    {"raisin corinthe sec", Decimal("1.64")},                      // 241
    {"raisin sultana sec", Decimal("1.63")},                       // 242
    {"rhubarbe en dés", Decimal("1.94")},                          // 243
    {"riz basmati", Decimal("1.2")},                               // 244
    {"riz blanc à grain court", Decimal("1.18")},                  // 245
    {"riz blanc à grain long", Decimal("1.28")},                   // 246
    {"riz blanc à grain moyen", Decimal("1.21")},                  // 247
    {"riz blanc glutineux", Decimal("1.28")},                      // 248
    {"riz brun à grain long", Decimal("1.28")},                    // 249
    {"riz brun à grain moyen", Decimal("1.25")},                   // 250
    {"riz sauvage", Decimal("1.48")},                              // 251
    {"roquette", Decimal("11.83")},                                // 252
    {"rutabaga en cubes", Decimal("1.69")},                        // 253
    {""},                                                          // 254
    {"salsifis en tranches", Decimal("1.78")},                     // 255
    {"sarrazin en grains", Decimal("1.39")},                       // 256
    {"seigle en grains", Decimal("1.4")},                          // 257
    {"sel table", Decimal("0.81")},                                // 258
    {"sésame en graines", Decimal("1.47")},                        // 259
    {"son avoine en grains", Decimal("2.52")},                     // 260
    {"sucre à glace non tamisé", Decimal("1.97")},                 // 261
    {"sucre à glace tamisé", Decimal("2.37")},                     // 262
    {"sucre brun (cassonade) non tassé", Decimal("1.63")},         // 263
    {"sucre brun (cassonade) tassé", Decimal("1.08")},             // 264
    {"sucre granulé", Decimal("1.18")},                            // 265
    {""},                                                          // 266
    {"tamarin", Decimal("1.97")},                                  // 267
    {"tangerine en sections", Decimal("1.21")},                    // 268
    {"tapioca perlé", Decimal("1.56")},                            // 269
    {"taro en tranches", Decimal("2.28")},                         // 270
    {"tomate cerise rouge", Decimal("1.59")},                      // 271
    {"tomate jaune hachée", Decimal("1.7")},                       // 272
    {"tomate rouge en tranches", Decimal("1.31")},                 // 273
    {"tomate verte", Decimal("1.31")},                             // 274
    {"tomate  pâte en conserve", Decimal("0.9")},                  // 275
    {"topinambour en tranches", Decimal("1.58")},                  // 276
    {"tournesol grillé en graines", Decimal("1.77")},              // 277
    {""},                                                          // 278
    {"vanille en extrait", Decimal("1.14")},                       // 279
    {"yaourt", Decimal("0.97")},                                   // 280
    {"zucchini haché", Decimal("1.91")},                           // 281
    {""},                                                          // 282
};

}  // namespace vaneko::catalogue
