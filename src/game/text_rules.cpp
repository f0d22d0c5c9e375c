#include "game/text_rules.h"

#include "platform/collation.h"
#include "platform/utf8.h"

#include <algorithm>

namespace brindolo {

std::string TextBefore(std::string_view text, std::string_view part)
{
    return std::string(text.substr(0, text.find(part)));
}

std::string Stem(std::string_view gameWord)
{
    return TextBefore(gameWord, ".jpg");
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return result;
}

std::string LowerCase(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return result;
}

std::string Recase(std::string_view text, bool capitals)
{
    return capitals ? UpperCase(text) : LowerCase(text);
}

std::string AnagramKey(std::string_view gameWord)
{
    return sortCharacters(Stem(gameWord));
}

std::string RawHintText(std::string_view gameWord)
{
    return std::string(utf8FirstCharacter(gameWord)) + "_____";
}

std::string HintText(std::string_view gameWord, bool capitals)
{
    return Recase(RawHintText(gameWord), capitals);
}

// The program folder already ends with "/", so the folder name is joined
// without a second one: paths stay tidy in error messages.
std::string PictureFolder(std::string_view programFolder)
{
    std::string folder(programFolder);
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + "immagini/";
}

std::string PicturePath(std::string_view programFolder, std::string_view gameWord)
{
    return PictureFolder(programFolder) + std::string(gameWord);
}

}  // namespace brindolo
