#pragma once
// A value for each short text (a character's UTF-8), made on first use and kept at its
// address. A screen of Chinese asks for a thousand different characters, ten thousand times
// a repaint: a text of up to seven bytes (nearly every character: an ideograph takes three,
// an emoji with its selector seven) is packed with its length into one number and found in
// an open table by a multiplication and a probe or two, where a map of strings would hash
// the bytes, divide for the bucket and follow its nodes through memory. Longer texts go to
// a map of strings.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

template <class T>
class TShortTextMap {
public:
    TShortTextMap() = default;
    // The table points into the values it owns.
    TShortTextMap(const TShortTextMap&) = delete;
    TShortTextMap& operator=(const TShortTextMap&) = delete;

    T& operator[](std::string_view text)
    {
        if (text.empty() || text.size() > 7) return Long(text);
        const uint64_t key = Key(text);
        if ((Count + 1) * 2 > Slots.size()) Grow();
        size_t i = Home(key);
        while (Slots[i].first != key) {
            if (Slots[i].first == 0) {
                Slots[i] = {key, &Values.emplace_back()};
                ++Count;
                break;
            }
            i = (i + 1) & (Slots.size() - 1);
        }
        return *Slots[i].second;
    }

    // The value for `text`, or null when it has none.
    T* Find(std::string_view text)
    {
        if (text.empty() || text.size() > 7) {
            auto it = Longer.find(text);
            return it == Longer.end() ? nullptr : &it->second;
        }
        if (Slots.empty()) return nullptr;
        const uint64_t key = Key(text);
        for (size_t i = Home(key);; i = (i + 1) & (Slots.size() - 1)) {
            if (Slots[i].first == key) return Slots[i].second;
            if (Slots[i].first == 0) return nullptr;
        }
    }

private:
    static uint64_t Key(std::string_view text)
    {
        uint64_t key = uint64_t(text.size()) << 56;
        for (size_t i = 0; i < text.size(); ++i) key |= uint64_t(static_cast<unsigned char>(text[i])) << (8 * i);
        return key;
    }
    // A text's string hashed alike as a key and as a view, so a lookup copies nothing.
    struct THash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    T& Long(std::string_view text)
    {
        auto it = Longer.find(text);
        if (it == Longer.end()) it = Longer.emplace(std::string(text), T{}).first;
        return it->second;
    }
    // The key's first slot: the high bits of its product with a constant of mixed bits,
    // brought down and masked to the table.
    size_t Home(uint64_t key) const
    {
        const uint64_t h = key * 0x9E3779B97F4A7C15ull;
        return size_t(h ^ (h >> 32)) & (Slots.size() - 1);
    }
    // Twice the slots, at most half of them used. A key is never 0: its length is in it.
    void Grow()
    {
        std::vector<std::pair<uint64_t, T*>> old(std::max<size_t>(Slots.size() * 2, 256));
        old.swap(Slots);
        for (const auto& [key, value] : old) {
            if (key == 0) continue;
            size_t i = Home(key);
            while (Slots[i].first != 0) i = (i + 1) & (Slots.size() - 1);
            Slots[i] = {key, value};
        }
    }

    std::vector<std::pair<uint64_t, T*>> Slots;
    size_t Count = 0;
    std::deque<T> Values;
    std::unordered_map<std::string, T, THash, std::equal_to<>> Longer;
};
