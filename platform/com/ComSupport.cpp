// The failure hook of the COM support classes and its exception.
#include <atomic>
#include <comdef.h>

namespace {

void ThrowComError(HRESULT hr, IErrorInfo* errorInfo) {
    throw _com_error(hr, errorInfo, true);
}

std::atomic<void (*)(HRESULT, IErrorInfo*)> handler{&ThrowComError};

} // namespace

_com_error::_com_error(HRESULT hr, IErrorInfo* errorInfo, bool addRef)
    : hr_(hr)
    , errorInfo_(errorInfo) {
    if (errorInfo_ != nullptr && addRef) {
        errorInfo_->AddRef();
    }
}

_com_error::_com_error(const _com_error& other)
    : _com_error(other.hr_, other.errorInfo_, true) {}

_com_error& _com_error::operator=(const _com_error& other) {
    if (this != &other) {
        if (other.errorInfo_ != nullptr) {
            other.errorInfo_->AddRef();
        }
        if (errorInfo_ != nullptr) {
            errorInfo_->Release();
        }
        hr_ = other.hr_;
        errorInfo_ = other.errorInfo_;
    }
    return *this;
}

_com_error::~_com_error() {
    if (errorInfo_ != nullptr) {
        errorInfo_->Release();
    }
}

IErrorInfo* _com_error::ErrorInfo() const {
    if (errorInfo_ != nullptr) {
        errorInfo_->AddRef();
    }
    return errorInfo_;
}

void _com_issue_error(HRESULT hr) {
    handler.load()(hr, nullptr);
}

void _com_issue_errorex(HRESULT hr, IUnknown*, REFIID) {
    handler.load()(hr, nullptr);
}

void _set_com_error_handler(void (*replacement)(HRESULT hr, IErrorInfo* errorInfo)) {
    handler.store(replacement != nullptr ? replacement : &ThrowComError);
}
