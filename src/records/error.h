#pragma once

#include <QString>
#include <stdexcept>

namespace orlavine {

/// The one error type of the core. Every failing core operation throws it; it names
/// the file concerned (empty when none) and says what failed, in words a pupil or a
/// parent can read. The windows catch it and show message() in the pop-up box.
class Error : public std::runtime_error {
public:
    Error(const QString& file, const QString& what);

    const QString& file() const { return m_file; }
    const QString& reason() const { return m_what; }
    /// "what failed" followed by the file, ready to show.
    QString message() const;

private:
    QString m_file;
    QString m_what;
};

} // namespace orlavine
