// Arrays with the index ranges the model declares (lower and upper bounds inclusive). Every
// access is bounds-checked and raises the subscript error, as the classic runtime did. The first
// index varies fastest.
#pragma once
#include <array>
#include <cstddef>

#include "runtime/Runtime_Error.h"

template <typename T, int Lo, int Hi>
class Array1 {
    static_assert(Hi >= Lo);

public:
    static constexpr int Lower = Lo, Upper = Hi;
    T& operator()(int i) { return data_[Index(i)]; }
    const T& operator()(int i) const { return data_[Index(i)]; }
    void Fill(const T& v) { data_.fill(v); }
    bool operator==(const Array1&) const = default;
    T* Data() { return data_.data(); }
    const T* Data() const { return data_.data(); }
    static bool In_Range(int i) { return i >= Lo && i <= Hi; }

private:
    static std::size_t Index(int i)
    {
        if (i < Lo || i > Hi) Raise(Err::Subscript);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, static_cast<std::size_t>(Hi - Lo + 1)> data_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2>
class Array2 {
    static constexpr std::size_t N1 = Hi1 - Lo1 + 1, N2 = Hi2 - Lo2 + 1;

public:
    static constexpr int Lower1 = Lo1, Upper1 = Hi1, Lower2 = Lo2, Upper2 = Hi2;
    T& operator()(int i, int j) { return data_[Index(i, j)]; }
    const T& operator()(int i, int j) const { return data_[Index(i, j)]; }
    void Fill(const T& v) { data_.fill(v); }
    bool operator==(const Array2&) const = default;
    // Raw storage for tight loops that have checked their bounds once (first index fastest).
    T* Data() { return data_.data(); }
    const T* Data() const { return data_.data(); }

private:
    static std::size_t Index(int i, int j)
    {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2) Raise(Err::Subscript);
        return static_cast<std::size_t>(i - Lo1) + N1 * static_cast<std::size_t>(j - Lo2);
    }
    std::array<T, N1 * N2> data_{};
};

template <typename T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3>
class Array3 {
    static constexpr std::size_t N1 = Hi1 - Lo1 + 1, N2 = Hi2 - Lo2 + 1, N3 = Hi3 - Lo3 + 1;

public:
    static constexpr int Lower1 = Lo1, Upper1 = Hi1, Lower2 = Lo2, Upper2 = Hi2, Lower3 = Lo3, Upper3 = Hi3;
    T& operator()(int i, int j, int k) { return data_[Index(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return data_[Index(i, j, k)]; }
    void Fill(const T& v) { data_.fill(v); }
    bool operator==(const Array3&) const = default;

private:
    static std::size_t Index(int i, int j, int k)
    {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2 || k < Lo3 || k > Hi3) Raise(Err::Subscript);
        return static_cast<std::size_t>(i - Lo1) + N1 * (static_cast<std::size_t>(j - Lo2) + N2 * static_cast<std::size_t>(k - Lo3));
    }
    std::array<T, N1 * N2 * N3> data_{};
};
