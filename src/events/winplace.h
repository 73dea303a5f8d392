// Remembers where its owner window was and how it was shown, and puts it back at the next start.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vz {

struct WindowPlacementRecord;

class TWinPlace : public QObject {
    Q_OBJECT
public:
    explicit TWinPlace(QWidget* owner);

    QString IniFileName = QStringLiteral("Software\\Dozazar Irudizidudo\\");
    QString Section;
    QString Identifier;
    QString Delimiter = QStringLiteral(" ");

    // The stored text, empty when there is none or when it is not a placement we could have
    // written (a value of another type, or anything but ten integers): such a value is ignored
    // silently, as if it were absent.
    QString storedValue() const;
    virtual void SavePlacement();
    virtual void RestorePlacement();

private:
    // Where the compositor places windows the position is unknown: the stored one is kept and
    // only the size and show state are stored and restored.
    void keepPositionWhereUnknown(WindowPlacementRecord& placement) const;
    bool restoreSizeWhereUnplaced(const WindowPlacementRecord& placement);
    void applyShowState(const WindowPlacementRecord& placement);

    QWidget* m_owner;
};

} // namespace vz
