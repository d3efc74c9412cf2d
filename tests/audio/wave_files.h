#pragma once
// Builds RIFF/WAVE files byte by byte, so tests can write the odd layouts real files rarely show.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

std::string Chunk(const std::string& id, const std::string& data);  // adds the pad byte
std::string Riff(const std::string& form, const std::string& chunks);
std::string Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t subFormat = 0);
std::string Samples16(const std::vector<int16_t>& samples);
// A whole file of 16-bit stereo 44100 Hz samples.
std::string Wave16(const std::vector<int16_t>& samples);

// The message of the EGameError the action raises, "no error" when it raises none.
std::string ErrorText(const std::function<void()>& action);
