#pragma once

// The two keys every screen reads from GLUT's keyboard callback.
inline constexpr unsigned char enterKey = 13;
inline constexpr unsigned char escapeKey = 27;
