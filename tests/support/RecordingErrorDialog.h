#pragma once
// Stands in for the error dialog in tests: records every report instead of showing it.

#include "core/Error.h"

#include <string>
#include <vector>

class TRecordingErrorDialog : public IErrorDialog
{
public:
    bool ShowError(const std::string &caption, const std::string &description, bool *okayNoErrors,
        const std::string &contextText) override
    {
        Captions.push_back(caption);
        Descriptions.push_back(description);
        Contexts.push_back(contextText);
        if (okayNoErrors)
            *okayNoErrors = true;
        return true;
    }
    int32_t RecursionCount() const override { return Recursion; }

    std::vector<std::string> Captions;
    std::vector<std::string> Descriptions;
    std::vector<std::string> Contexts;
    int32_t Recursion = 0;
};

// A recording dialog registered for its lifetime.
class TRegisteredRecordingErrorDialog : public TRecordingErrorDialog
{
public:
    TRegisteredRecordingErrorDialog() { RegisterErrorDialog(this); }
    ~TRegisteredRecordingErrorDialog() override { RegisterErrorDialog(nullptr); }
};
