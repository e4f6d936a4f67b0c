#pragma once
// Results of the socket classes: S_OK for success, E_FAIL for failure, with the
// values of the Windows HRESULT codes. Where the Windows headers already define
// them, theirs are used.

#include <cstdint>

#ifndef _HRESULT_DEFINED
#define _HRESULT_DEFINED
using HRESULT = std::int32_t;
#endif

#ifndef S_OK
inline constexpr HRESULT S_OK = 0;
#endif
#ifndef E_FAIL
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
#endif
