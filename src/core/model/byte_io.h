#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace finplan {

using Byte = std::uint8_t;

// Sequential little-endian reader over a record's bytes. Records list their fields once, in
// file order, through a `visit(io, record)` function; this reader and ByteWriter give that list
// its two directions, so decode and encode can never disagree on a layout.
class ByteReader {
public:
    explicit ByteReader(std::span<const Byte> bytes)
        : m_bytes(bytes) {}

    template <class T>
    void operator()(T& value) {
        if constexpr (std::is_same_v<T, float>) {
            value = std::bit_cast<float>(readUnsigned<std::uint32_t>());
        } else if constexpr (std::is_integral_v<T>) {
            value = static_cast<T>(readUnsigned<std::make_unsigned_t<T>>());
        } else {
            for (auto& element : value) {
                (*this)(element);
            }
        }
    }

    std::size_t position() const { return m_pos; }

private:
    template <class U>
    U readUnsigned() {
        U result = 0;
        for (std::size_t i = 0; i < sizeof(U); ++i) {
            result = static_cast<U>(result | (static_cast<U>(m_bytes[m_pos + i]) << (8 * i)));
        }
        m_pos += sizeof(U);
        return result;
    }

    std::span<const Byte> m_bytes;
    std::size_t m_pos = 0;
};

// Sequential little-endian writer; the twin of ByteReader.
class ByteWriter {
public:
    explicit ByteWriter(std::span<Byte> bytes)
        : m_bytes(bytes) {}

    template <class T>
    void operator()(const T& value) {
        if constexpr (std::is_same_v<T, float>) {
            writeUnsigned(std::bit_cast<std::uint32_t>(value));
        } else if constexpr (std::is_integral_v<T>) {
            writeUnsigned(static_cast<std::make_unsigned_t<T>>(value));
        } else {
            for (const auto& element : value) {
                (*this)(element);
            }
        }
    }

    std::size_t position() const { return m_pos; }

private:
    template <class U>
    void writeUnsigned(U value) {
        for (std::size_t i = 0; i < sizeof(U); ++i) {
            m_bytes[m_pos + i] = static_cast<Byte>(value >> (8 * i));
        }
        m_pos += sizeof(U);
    }

    std::span<Byte> m_bytes;
    std::size_t m_pos = 0;
};

// A record type R has `static constexpr std::size_t kSize` and
// `template <class Io, class Self> static void visit(Io&, Self&)` listing its fields in order.
template <class R>
R decodeRecord(std::span<const Byte> bytes) {
    if (bytes.size() < R::kSize) {
        throw std::length_error("record bytes cut short");
    }
    R record{};
    ByteReader reader(bytes.first(R::kSize));
    R::visit(reader, record);
    return record;
}

template <class R>
void encodeRecord(const R& record, std::span<Byte> out) {
    if (out.size() < R::kSize) {
        throw std::length_error("record buffer too small");
    }
    ByteWriter writer(out.first(R::kSize));
    R::visit(writer, record);
}

template <class R>
std::array<Byte, R::kSize> encodeRecord(const R& record) {
    std::array<Byte, R::kSize> bytes{};
    encodeRecord(record, std::span<Byte>(bytes));
    return bytes;
}

// Lays the bytes that did arrive over the record's own image, as a short read into the
// record's memory would: the fields past the end keep what they held.
template <class R>
void overlayRecord(R& record, std::span<const Byte> arrived) {
    auto image = encodeRecord(record);
    const std::size_t count = arrived.size() < R::kSize ? arrived.size() : R::kSize;
    for (std::size_t i = 0; i < count; ++i) {
        image[i] = arrived[i];
    }
    record = decodeRecord<R>(image);
}

} // namespace finplan
