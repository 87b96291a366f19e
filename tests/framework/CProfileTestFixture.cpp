#include "CProfileTestFixture.h"

#include <stdexcept>

int Int32At(const std::string& bytes, size_t offset)
{
    return static_cast<int>(Word32At(bytes, offset));
}

std::string WithChecksum(std::string file)
{
    uint32_t sum = 0;
    for (size_t i = 4; i < file.size(); i++) {
        sum += static_cast<uint32_t>(static_cast<signed char>(file[i]));
    }
    return Int32(static_cast<int>(sum)) + file.substr(4);
}

StoredBlock ParseProfile(const std::string& file)
{
    StoredBlock block;
    size_t at = 4 + 512;
    auto next = [&]() {
        const int value = Int32At(file, at);
        at += 4;
        return value;
    };
    auto take = [&](int n) {
        if (n < 0 || at + n > file.size()) {
            throw std::out_of_range("record runs past the end");
        }
        std::string bytes = file.substr(at, n);
        at += n;
        return bytes;
    };
    for (int n = next(); n > 0; n--) {
        const int key = next();
        const int length = next();
        const int tagLength = next();
        StoredRecord record;
        record.tag = take(tagLength);
        record.bytes = take(length);
        record.elementSize = 0;
        block.scalars[key] = record;
    }
    for (int n = next(); n > 0; n--) {
        const int key = next();
        StoredRecord record;
        record.elementSize = next();
        const int length = next();
        const int tagLength = next();
        record.tag = take(tagLength);
        record.bytes = take(length);
        block.vectors[key] = record;
    }
    if (at != file.size()) {
        throw std::out_of_range("bytes after the properties block");
    }
    return block;
}

std::string ScalarRecord(int key, const std::string& tag, const std::string& value)
{
    return Int32(key) + Int32(static_cast<int>(value.size())) + Int32(static_cast<int>(tag.size())) + tag + value;
}

std::string VectorRecord(int key, int elementSize, const std::string& tag, const std::string& data)
{
    return Int32(key) + Int32(elementSize) + Int32(static_cast<int>(data.size())) +
           Int32(static_cast<int>(tag.size())) + tag + data;
}

std::string ProfileFile(const std::vector<std::string>& scalars, const std::vector<std::string>& vectors,
                        const std::string& reserved)
{
    std::string file = Int32(0) + reserved + Int32(static_cast<int>(scalars.size()));
    for (const std::string& record : scalars) {
        file += record;
    }
    file += Int32(static_cast<int>(vectors.size()));
    for (const std::string& record : vectors) {
        file += record;
    }
    return WithChecksum(file);
}

std::string HeaderFile(int active, const std::map<int, std::string>& names)
{
    std::string file = Int32(0) + Int32(active) + Int32(static_cast<int>(names.size()));
    for (const auto& [id, name] : names) {
        std::string field = name;
        field.resize(64, '\0');
        file += Int32(id) + field;
    }
    return WithChecksum(file);
}
