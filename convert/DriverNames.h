#pragma once
// The PDF printer driver that every conversion prints to, and its per-user settings key.

inline constexpr char kDriverPrinterName[] = "VELTRA Ashgrove PDF Creator";
inline constexpr char kDriverKey[] = "\\Software\\Quillby\\Varnel";
// The profile's lock that the run steering the driver holds.
inline constexpr char kDriverLockName[] = "pdf-driver";
