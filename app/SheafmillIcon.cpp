#include "app/SheafmillIcon.h"

namespace {

// A sheaf of paper, the front sheet dog-eared, with lines of text and a red PDF band.
const char* const kPicture[] = {
    "32 32 7 1",
    ". c None",
    "b c #000080",
    "g c #808080",
    "k c #000000",
    "r c #FF0000",
    "s c #C0C0C0",
    "w c #FFFFFF",
    "................................",
    "..........kkkkkkkkkkkkkkkkkkkk..",
    "..........kggggggggggggggggggk..",
    "..........kggggggggggggggggggk..",
    "......kkkkkkkkkkkkkkkkkkkkgggk..",
    "......ksssssssssssssssssskgggk..",
    "......ksssssssssssssssssskgggk..",
    "..kkkkkkkkkkkkkkksssssssskgggk..",
    "..kwwwwwwwwwwwwwkkssssssskgggk..",
    "..kwwwwwwwwwwwwwksksssssskgggk..",
    "..kwwbbbbbbbbbwwksskssssskgggk..",
    "..kwwwwwwwwwwwwwksssksssskgggk..",
    "..kwwwwwwwwwwwwwkkkkkkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwbbbbbbbbbbbbbbwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwbbbbbbbbbbbbbbwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwbbbbbbbbbbwwwwwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwwwwwwwwwwwwwwwwwwkssskgggk..",
    "..kwrrrrrrrrrrrrrrrrwkssskgggk..",
    "..kwrrrrrrrrrrrrrrrrwkssskkkkk..",
    "..kwrrwwwwwwwwwwwwrrwksssk......",
    "..kwrrwwwwwwrrrrrrrrwksssk......",
    "..kwrrrrrrrrrrrrrrrrwkkkkk......",
    "..kwrrrrrrrrrrrrrrrrwk..........",
    "..kwwwwwwwwwwwwwwwwwwk..........",
    "..kkkkkkkkkkkkkkkkkkkk..........",
    "................................",
};

}  // namespace

ui::Icon SheafmillIcon() {
  return {kPicture};
}
