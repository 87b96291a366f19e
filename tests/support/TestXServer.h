// The X server one screenshot test draws on. PALMORA_XVFB=own gives every
// such test an Xvfb of its own, so they run side by side; a server named in
// PALMORA_XVFB_DISPLAY is shared instead, one test at a time, since X does
// not keep what a window covers and the tests' windows all sit at one place.
// With neither there is no server and the test is skipped.
#pragma once

#include "XDisplayLock.h"

#include <sys/types.h>

#include <memory>
#include <string>

class TestXServer {
public:
    TestXServer();
    ~TestXServer();
    TestXServer(const TestXServer&) = delete;
    TestXServer& operator=(const TestXServer&) = delete;

    // ":N", or empty when there is no server (Why() says why).
    const std::string& Display() const { return display; }
    const std::string& Why() const { return why; }

private:
    void StartOwn();

    std::string display;
    std::string why;
    pid_t server = -1;
    std::unique_ptr<XDisplayLock> lock;
};
