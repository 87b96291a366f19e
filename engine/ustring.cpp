#include "ustring.h"

#include <algorithm>

namespace {

size_t TerminatedLength(const unsigned short* text)
{
    size_t n = 0;
    while (text[n] != 0) {
        n++;
    }
    return n;
}

}  // namespace

ustring::ustring() = default;

ustring::ustring(const unsigned short* text)
{
    AddChars(text);
}

ustring::ustring(const ustring& other) : characters(other.characters) {}

ustring& ustring::operator=(const ustring& other)
{
    characters = other.characters;
    return *this;
}

ustring::~ustring() = default;

unsigned int ustring::length() const
{
    return static_cast<unsigned int>(characters.size());
}

unsigned short* ustring::c_str()
{
    terminated.reset(new unsigned short[characters.size() + 2]);
    std::copy(characters.begin(), characters.end(), terminated.get());
    terminated[characters.size()] = 0;
    terminated[characters.size() + 1] = 0;
    return terminated.get();
}

void ustring::AddChar(unsigned short c)
{
    characters.push_back(c);
}

ustring& ustring::operator+=(unsigned short c)
{
    AddChar(c);
    return *this;
}

void ustring::AddChars(const unsigned short* text)
{
    if (text) {
        characters.insert(characters.end(), text, text + TerminatedLength(text));
    }
}

ustring& ustring::operator+(const unsigned short* text)
{
    AddChars(text);
    return *this;
}

ustring& ustring::operator+(const ustring& other)
{
    if (&other == this) {
        // Inserting a vector's own range into itself is undefined.
        const std::vector<unsigned short> copy = characters;
        characters.insert(characters.end(), copy.begin(), copy.end());
    } else {
        characters.insert(characters.end(), other.characters.begin(), other.characters.end());
    }
    return *this;
}

ustring& ustring::operator=(const unsigned short* text)
{
    std::vector<unsigned short> fresh;
    if (text) {
        // text may point into this string's own c_str buffer, so copy first.
        fresh.assign(text, text + TerminatedLength(text));
    }
    characters.swap(fresh);
    return *this;
}

void ustring::combine(const unsigned short* first, const ustring& second)
{
    std::vector<unsigned short> joined;
    if (first) {
        joined.assign(first, first + TerminatedLength(first));
    }
    joined.insert(joined.end(), second.characters.begin(), second.characters.end());
    characters.swap(joined);
}

int ustring::find(unsigned short c) const
{
    auto at = std::find(characters.begin(), characters.end(), c);
    return at == characters.end() ? -1 : static_cast<int>(at - characters.begin());
}

int ustring::find(const unsigned short* sequence) const
{
    if (characters.empty() || !sequence) {
        return -1;
    }
    auto at = std::search(characters.begin(), characters.end(), sequence, sequence + TerminatedLength(sequence));
    return at == characters.end() ? -1 : static_cast<int>(at - characters.begin());
}

ustring ustring::substr(unsigned int index) const
{
    ustring part;
    if (index < characters.size()) {
        part.characters.assign(characters.begin() + index, characters.end());
    }
    return part;
}

ustring ustring::substr(unsigned int index, unsigned long count) const
{
    ustring part;
    if (index <= characters.size() && count <= characters.size() - index) {
        part.characters.assign(characters.begin() + index, characters.begin() + index + count);
    }
    return part;
}
