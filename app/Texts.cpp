#include "Texts.h"

#include "TextNumber.h"

namespace Texts {

std::string WebAddress() { return "https://trevalin.example.org"; }

// The first line stays clear of the cover picture, which reaches into the top
// of the title's box in both windows.
std::string Title() { return "Trevalin Teaching" + Chr(13) + "Software for the companion book Brismoor"; }

std::string VersionLine() { return "Version 1.0"; }

std::string AboutText() {
  const std::string cr = Chr(13);
  return "Trevalin, version 1.0: virus populations evolving inside patients, generation by generation." + cr + cr +
         "You may use, copy and share this program freely for teaching and learning. It comes without "
         "warranty of any kind." + cr + cr +
         "Written by the Trevalin developers (trevalin.example.org)." + cr + cr +
         "We would like to hear how you use it in class: send comments and suggestions through the "
         "companion page above.";
}

}  // namespace Texts
