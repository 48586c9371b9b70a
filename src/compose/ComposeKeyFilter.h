#pragma once

#include "compose/CompositionEngine.h"

#include <QObject>

#include <functional>
#include <optional>

/// Hands the character events of one text field to the composition engine before the field
/// sees them. The host provider says, at each key, whether the engine runs for the field now
/// and which pad and result field it uses.
class ComposeKeyFilter : public QObject
{
public:
    using HostProvider = std::function<std::optional<ComposeHost>()>;

    ComposeKeyFilter(CompositionEngine &engine, QObject *field, HostProvider hostProvider);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CompositionEngine &engine_;
    HostProvider hostProvider_;
};
