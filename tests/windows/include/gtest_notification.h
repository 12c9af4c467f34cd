/*
 * gtest_notification.h - GoogleTest's Notification over a Win32 event.
 * GoogleTest 1.12 builds its own on std::mutex, which mingw's default
 * (win32) thread model lacks; its thread-safe build, which its death tests
 * need on mingw, also needs the class. Forced in before GoogleTest's
 * headers, with GTEST_HAS_NOTIFICATION_ telling them it exists.
 */
#ifndef TESTS_WINDOWS_GTEST_NOTIFICATION_H
#define TESTS_WINDOWS_GTEST_NOTIFICATION_H

#ifdef __cplusplus
#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : m_hEvent(CreateEventA(NULL, TRUE, FALSE, NULL)) {}
    ~Notification() { CloseHandle(m_hEvent); }
    Notification(const Notification &) = delete;
    Notification &operator=(const Notification &) = delete;

    void Notify() { SetEvent(m_hEvent); }
    void WaitForNotification() { WaitForSingleObject(m_hEvent, INFINITE); }

private:
    HANDLE m_hEvent;
};

}  // namespace internal
}  // namespace testing
#endif

#endif /* TESTS_WINDOWS_GTEST_NOTIFICATION_H */
