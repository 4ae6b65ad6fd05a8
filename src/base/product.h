#pragma once

// The product's own names and its web site, written once for the about window, the backup
// and restore windows, the update check and the printed pages.
inline constexpr char ProductName[] = "Worthsheet 2010";
inline constexpr char ProductDeveloper[] = "Norvale";
inline constexpr char ProductSite[] = "http://www.norvale.com";
