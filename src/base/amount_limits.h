#pragma once

// The largest magnitude of an amount in dollars: what an amount control accepts and what a
// file may bring in.
inline constexpr double MaxAmount = 1e15;
// The monthly (currency) amounts are stored in ten-thousandths, which must also fit into 64
// bits.
inline constexpr double MaxMonthlyAmount = 1e14;
