#include "launcher/skin/SkinFileNames.h"

#include <cstdio>

namespace launcher {

std::string SectionImageKey(int section, int state)
{
    char name[32];
    std::snprintf(name, sizeof name, "section%02d_%d.bmp", section, state);
    return name;
}

std::string StyleImageKey(int style, int state)
{
    char name[32];
    std::snprintf(name, sizeof name, "style%03d_%d.bmp", style, state);
    return name;
}

std::string BackgroundFileName(const std::string& skinName, int number)
{
    return number == 0 ? skinName + ".bmp" : skinName + std::to_string(number) + ".bmp";
}

std::string FilmLoopFileName(int number)
{
    return "FilmLoop" + std::to_string(number) + ".bmp";
}

std::string DoubleSizeFileName(const std::string& fileName)
{
    const std::string::size_type dot = fileName.rfind('.');
    if (dot == std::string::npos)
        return fileName + "@2x";
    return fileName.substr(0, dot) + "@2x" + fileName.substr(dot);
}

} // namespace launcher
