// The fixed texts of the About window: heading, the three lines about the maker, the button
// and the address it opens.
#pragma once

namespace about {

inline constexpr const char* kHeading = "Velmorant";

// Three lines, separated by "\r\n" as a Win32 static control expects.
inline constexpr const char* kText =
    "Copyright (c) Corvaline. All rights reserved.\r\n"
    "More free screensavers at https://corvaline.example/\r\n"
    "Questions or ideas? Write to support@corvaline.example";

inline constexpr const char* kButton = "Visit website";

// The site's root with the query that tells the site where the visit came from.
inline constexpr const char* kWebsiteUrl = "https://corvaline.example/?utm_source=About";

}  // namespace about
