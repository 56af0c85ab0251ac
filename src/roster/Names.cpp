#include "Names.h"

namespace korvale {

const std::array<std::string_view, 29> TeamNames{
    "Atlanta",   "Boston",       "Charlotte",    "Chicago",   "Cleveland",  "Dallas",
    "Denver",    "Detroit",      "Golden State", "Houston",   "Indiana",    "LA Clippers",
    "LA Lakers", "Miami",        "Milwaukee",    "Minnesota", "New Jersey", "New York",
    "Orlando",   "Philadelphia", "Phoenix",      "Portland",  "Sacramento", "San Antonio",
    "Seattle",   "Toronto",      "Utah",         "Vancouver", "Washington"};

const std::array<std::string_view, 32> TeamChoiceNames{
    "Atlanta",        "Boston",        "Charlotte",    "Chicago",   "Cleveland",  "Dallas",
    "Denver",         "Detroit",       "Golden State", "Houston",   "Indiana",    "LA Clippers",
    "LA Lakers",      "Miami",         "Milwaukee",    "Minnesota", "New Jersey", "New York",
    "Orlando",        "Philadelphia",  "Phoenix",      "Portland",  "Sacramento", "San Antonio",
    "Seattle",        "Toronto",       "Utah",         "Vancouver", "Washington", "Free Agents",
    "East All-Stars", "West All-Stars"};

const std::array<std::string_view, 5> PositionNames{"Center", "Power Forward", "Small Forward",
                                                    "Shooting Guard", "Point Guard"};

const std::array<std::string_view, 2> HandNames{"Right", "Left"};

const std::array<std::string_view, 6> SkinColorNames{"Pale White", "White", "Tan-White",
                                                     "Brown",      "Black", "DarkBlack"};

const std::array<std::string_view, 9> BodyTypeNames{
    "Type 0", "Type 1", "Type 2", "Type 3", "Type 4", "Type 5", "Type 6", "Type 7", "Type 8"};

const std::array<std::string_view, 12> PlayerTypeNames{
    "Pale White 1", "Pale White 2", "White 1", "White 2", "Tanned White 1", "Tanned White 2",
    "Brown 1",      "Brown 2",      "Black 1", "Black 2", "Dark Black 1",   "Dark Black 2"};

const std::array<std::string_view, 17> HairStyleNames{"Bald",
                                                      "Very ShortBlack",
                                                      "Short Black-Parted",
                                                      "Short Greyish Black",
                                                      "Greyish Black-Parted",
                                                      "Short Black-Receding",
                                                      "Short Black",
                                                      "Short Black-Flattop",
                                                      "Shorty Black-Silly",
                                                      "Medium Black",
                                                      "Short Brown Parting",
                                                      "Short Brown-Combed",
                                                      "Short Brown",
                                                      "Short Brown-Receding",
                                                      "Short Blond",
                                                      "Short Bright Blond",
                                                      "Short White"};

const std::array<std::string_view, 9> FacialHairNames{"None",
                                                      "Long Sideburns",
                                                      "Short Sideburns",
                                                      "Thin Black Goatee",
                                                      "Big Blond Goatee",
                                                      "Big Black Goatee",
                                                      "Blond Moustache",
                                                      "Black Moustache",
                                                      "Thin Blond Goatee"};

const std::array<std::string_view, 7> AccessoryNames{
    "None",          "Blue Headband", "Red Headband", "Grey Headband", "Grey/Orange Headband",
    "Small Goggles", "Big Goggles"};

}  // namespace korvale
