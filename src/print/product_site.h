#pragma once

// The product's web site: printed on the statement pages and opened from the about window.
inline constexpr char ProductSite[] = "https://www.norvale.com";
