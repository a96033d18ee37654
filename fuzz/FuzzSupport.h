#pragma once
// What the fuzz targets share: the input as text or as parts, a scratch
// folder for parsers that read files, and the GUI platform for the picture
// readers. Every target defines LLVMFuzzerTestOneInput; libFuzzer or the
// replay driver (Replay.cpp) calls it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sys/String.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

namespace fuzz {

std::string_view Bytes(const std::uint8_t* Data, std::size_t Size);
// The bytes as UTF-8 (a broken sequence reads as U+FFFD).
String Text(std::string_view Bytes);

// Parts separated by the byte 0xFF (never in UTF-8, so a seed file is one
// part). Input without a separator gives every part the same bytes.
std::vector<std::string_view> Parts(std::string_view Bytes, std::size_t Count);

// A file of that name in a folder of this process, removed at exit.
String ScratchFile(std::string_view Name);
void WriteScratch(const String& File, std::string_view Bytes);
void RemoveScratch(const String& File);

// Sets the separators and short date format to one of a few locales
// (Choice modulo their number), so one input always reads the same way.
void UseLocale(std::uint8_t Choice);

// Starts the headless GUI platform once.
void StartGui();

// Stops the run where a property that must hold does not.
void Check(bool Holds, const char* What);

}  // namespace fuzz
