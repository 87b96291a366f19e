// TEMPORARY stand-in for the profile store until the real one lands: one
// in-memory table of scalar properties holding the new-profile defaults that
// the world objects read, with the store's typed access and its fatal errors.
// Nothing is loaded or saved. Start-up owns the one instance.
#pragma once

#include "Log.h"

#include <cstring>
#include <map>

template <typename T>
struct profile_type_tag;
template <> struct profile_type_tag<int> { static constexpr char tag = 'i'; };
template <> struct profile_type_tag<unsigned int> { static constexpr char tag = 'j'; };
template <> struct profile_type_tag<long> { static constexpr char tag = 'l'; };
template <> struct profile_type_tag<bool> { static constexpr char tag = 'b'; };
template <> struct profile_type_tag<float> { static constexpr char tag = 'f'; };

class CProfile {
public:
    CProfile();
    ~CProfile();

    static CProfile* CurrentProfile() { return current; }

    template <typename T>
    T GetValue(int key)
    {
        auto found = values.find(key);
        if (found == values.end()) {
            errorMessage("A profile property was read before its value was set!", true, true);
            return T();
        }
        if (found->second.tag != profile_type_tag<T>::tag) {
            errorMessage("A profile property was requested but its data type does not match the request type!", true,
                         true);
            return T();
        }
        T value;
        std::memcpy(&value, found->second.bytes, sizeof(T));
        return value;
    }

    template <typename T>
    void SetValue(int key, T value)
    {
        auto found = values.find(key);
        if (found != values.end() && found->second.tag != profile_type_tag<T>::tag) {
            errorMessage("A profile property was 'set' with two different data types!", true, true);
            return;
        }
        stored_value& slot = values[key];
        slot.tag = profile_type_tag<T>::tag;
        std::memset(slot.bytes, 0, sizeof(slot.bytes));
        std::memcpy(slot.bytes, &value, sizeof(T));
    }

    static CProfile* current;

private:
    struct stored_value {
        char tag;
        unsigned char bytes[8];
    };
    std::map<int, stored_value> values;
};
