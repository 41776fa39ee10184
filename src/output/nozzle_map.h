#pragma once
// Where each nozzle of an HP45 cartridge sits in the firing data.  A
// cartridge has 150 nozzles, fired through 22 primitives of up to 8 address
// slots each; the primitive byte of p has bit a set when primitive p fires
// at address a.
//
// Nozzle n fires in primitive (15·(n mod 22)) mod 22 at address ⌊n/22⌋,
// one address later when n mod 22 is 20 or 21.  Since 3·15 ≡ 1 (mod 22),
// primitive p serves the nozzles r, r+22, r+44 … below 150 with
// r = (3·p) mod 22.  Address slot 7 is never used.
namespace pv {

inline constexpr int kNozzlesPerHead = 150;
inline constexpr int kPrimitivesPerHead = 22;   // = bytes per head in a column
inline constexpr int kAddressSlots = 8;

constexpr int NozzlePrimitive(int n) { return (15 * (n % 22)) % 22; }

constexpr int NozzleAddress(int n) {
    const int r = n % 22;
    return n / 22 + ((r == 20 || r == 21) ? 1 : 0);
}

// The nozzle fired by primitive p at address a, or -1 when that firing
// position serves no nozzle.
constexpr int NozzleAt(int p, int a) {
    if (p < 0 || p >= kPrimitivesPerHead || a < 0 || a >= kAddressSlots) return -1;
    const int r = (3 * p) % 22;
    const int n = (r >= 20) ? r + 22 * (a - 1) : r + 22 * a;
    return (n >= 0 && n < kNozzlesPerHead) ? n : -1;
}

}  // namespace pv
