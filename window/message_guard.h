// The boundary between the keyboard's handlers and the message loop: no
// failure of the dictionary or of the model leaves a handler, and no handler
// runs once the model is gone. Every handler of CPelvokDlg wraps its body:
//
//     void CPelvokDlg::OnPaint() {
//         guarded([&] { ... });
//     }
//     bool CPelvokDlg::OnInitDialog() {
//         return guarded(true, [&] { ...; return true; });
//     }
#pragma once

#include <exception>
#include <utility>

#include "dictionary/SqliteException.h"
#include "window/pelvokDlg.h"

template <typename Result, typename Body>
Result CPelvokDlg::guarded(Result fallback, Body&& body) {
    // After WM_CLOSE a message still queued finds no model.
    if (!layout) return fallback;
    try {
        return std::forward<Body>(body)();
    } catch (const SqliteException& failure) {
        reportDictionaryFailure(failure);
    } catch (const std::exception&) {
        // The model's exceptions carry no data.
        reportModelFailure();
    }
    return fallback;
}

template <typename Body>
void CPelvokDlg::guarded(Body&& body) {
    guarded(0, [&body] {
        std::forward<Body>(body)();
        return 0;
    });
}
