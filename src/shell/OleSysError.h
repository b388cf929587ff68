#pragma once
// The error raised when a COM object cannot be created; the toolkit shows its Message.
// A plain std::exception: std::runtime_error would bring the runtime's own string type along.
#include <exception>
#include <string>
#include <windows.h>
#include <objbase.h>

class EOleSysError : public std::exception {
public:
    EOleSysError(HRESULT errorCode, const std::wstring& message);
    HRESULT ErrorCode() const { return FErrorCode; }
    const std::wstring& Message() const { return FMessage; }
    // The message in UTF-8.
    const char* what() const noexcept override { return FWhat.c_str(); }

private:
    HRESULT FErrorCode;
    std::wstring FMessage;
    std::string FWhat;
};

// The system's text for an HRESULT, without the trailing line break; a fixed text with the
// number when the system has none.
std::wstring SystemErrorMessage(HRESULT errorCode);

// Raises EOleSysError for a failing result, naming the class whose object was being created.
void OleCheckCreation(HRESULT result, REFCLSID classId);
