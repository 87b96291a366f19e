// A string of 16-bit characters, the form in which every text of the string
// table is held and laid out. Values are owned by whoever holds them; the
// only pointer handed out is the terminated copy from c_str, which the string
// keeps until the next c_str call or its own destruction.
//
// The appending operators work in place: a + b appends b to a and returns a.
#pragma once

#include <cassert>
#include <memory>
#include <vector>

class ustring {
public:
    ustring();
    // The characters up to the terminating 0; null gives an empty string.
    ustring(const unsigned short* text);
    ustring(const ustring& other);
    ustring& operator=(const ustring& other);
    ~ustring();

    unsigned int length() const;
    // A new 0-terminated copy (two zero characters) that stays valid until
    // the next c_str call on this string.
    unsigned short* c_str();

    void AddChar(unsigned short c);
    ustring& operator+=(unsigned short c);
    // Appends the characters up to the terminating 0.
    void AddChars(const unsigned short* text);
    ustring& operator+(const unsigned short* text);
    ustring& operator+(const ustring& other);
    ustring& operator=(const unsigned short* text);
    // The string becomes first followed by second.
    void combine(const unsigned short* first, const ustring& second);

    // Index of the first match, -1 when none or when this string is empty.
    int find(unsigned short c) const;
    int find(const unsigned short* sequence) const;
    // From index to the end; empty when index is past the end.
    ustring substr(unsigned int index) const;
    // Exactly count characters from index; empty when they run past the end.
    ustring substr(unsigned int index, unsigned long count) const;

    unsigned short operator[](unsigned int index) const
    {
        assert(index < characters.size());
        return characters[index];
    }

private:
    std::vector<unsigned short> characters;
    std::unique_ptr<unsigned short[]> terminated;
};
