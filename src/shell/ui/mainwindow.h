// The main frame window: start screen, menus, start picture, clock, and the simulation windows.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "shell/config.h"
#include "shell/globals.h"
#include "shell/picture_size.h"
#include "shell/timer.h"

class QAction;
class QDate;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStackedWidget;

namespace orb {

class SimWindow;
struct WindowInfo;

// One item of the menu tree.
struct MenuItem {
    QString name;     // "A1", "D1", ...
    QAction* action;
    int textRow;      // MenuTexts row
    int helpContext;  // 0: none
    bool topLevel;
};

class TOrbicola : public QMainWindow {
    Q_OBJECT
public:
    TOrbicola();
    ~TOrbicola() override;

    // FormCreate, up to the start of the start-screen sequence.
    void formCreate();
    // Skips the start screen: the frame state at once, with windows of the given client size
    // (the driver opening a window alone).
    void enterFrameAlone(QSize clientSize);
    bool inFrameState() const { return frameState_; }

    void ShowStartScreen();
    void HideStartScreen();
    void ApplyLanguage();
    // The language menu: LanguageIndex := slot, close every window, relabel.
    void selectLanguage(std::uint8_t slot);
    // The default-language menu: slot becomes the only default.
    void selectDefaultLanguage(std::uint8_t slot);
    // "Load another version": a language file chosen by the user.
    void loadLanguageFile();
    // The settings as read at start (compared with those at close).
    const config::Settings& storedSettings() const { return stored_; }

    // The picture-size menu: closes every window; windows opened afterwards show their pictures
    // at this size, and the choice is remembered.
    void choosePictureSize(picture::Size size);
    // The same for this run only (the driver's --zoom): nothing is closed or remembered.
    void setPictureSizeForRun(picture::Size size);
    picture::Size pictureSize() const { return pictureSize_; }
    // "Save picture...": the active window's picture as a PNG file chosen in a dialog; a file
    // that cannot be written is named in a warning and nothing is lost. "Copy picture": the
    // picture on the clipboard. Both act on the active window, or the last one active.
    void savePicture();
    void copyPicture();
    // The name the save dialog suggests: the window's caption and the date.
    static QString suggestedPictureName(const QString& caption, const QDate& date);

    // Opens a window as its menu item does; returns it (nullptr where the window is not built).
    SimWindow* openWindow(const WindowInfo& info);
    SimWindow* form(int flag) const;
    std::vector<SimWindow*> openWindows() const;   // in the frame's order
    SimWindow* activeWindow() const;
    void activateWindow(SimWindow* window);        // nullptr: the frame itself
    void closeWindow(SimWindow* window);
    void closeAll();

    const std::vector<MenuItem>& menuItems() const { return menuItems_; }
    const MenuItem* menuItem(const QString& name) const;
    bool startPictureVisible() const { return startPicture_; }
    bool clockVisible() const;
    QString clockText() const;
    std::uint8_t tickCounter() const { return tickCounter_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QMenu* addMenu(QMenu* parent, const QString& name, int row, int ctx = 0);
    QAction* addItem(QMenu* menu, const QString& name, int row, int ctx, int glyph);
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void enterFrameState(bool alone, QSize clientSize);
    void updateBackground();
    void childActivated(QMdiSubWindow* sub);
    void windowClosed(SimWindow* window);
    void helpRequested(int context);
    void readSettings();
    // Reads a language file into slot 4; true when valid.
    bool readLanguageFile(const QString& path);
    void showCustomLanguageItems(bool defaultItemToo);
    void writeSettings();
    // The window whose picture "Save picture..." and "Copy picture" take, or nullptr.
    SimWindow* pictureWindow() const;
    // Enables the picture items while a window is open.
    void updatePictureItems();
    void checkPictureSize();

    QStackedWidget* stack_ = nullptr;
    QWidget* startScreen_ = nullptr;       // imlibreda and the labels
    QLabel* imlibreda_ = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QMdiArea* mdi_ = nullptr;
    QLabel* clockPanel_ = nullptr;
    QLabel* firstPanel_ = nullptr;
    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<Timer> Timer2;
    std::unique_ptr<Timer> Timer3;
    std::uint8_t tickCounter_ = 0;
    bool frameState_ = false;
    bool startPicture_ = false;
    std::vector<MenuItem> menuItems_;
    std::vector<QMenu*> topMenus_;
    QAction* hoveredItem_ = nullptr;
    std::array<QPointer<SimWindow>, globals::kWindows> forms_{};
    std::map<SimWindow*, QMdiSubWindow*> subWindows_;
    SimWindow* active_ = nullptr;
    QSize decoration_;   // what a child window's frame takes around its client
    config::Settings stored_;
    picture::Size pictureSize_ = picture::Size::P100;        // in use
    picture::Size savedPictureSize_ = picture::Size::P100;   // written at close
    bool iniSound_ = false;                                  // the settings file was read whole
    QIcon customFlag_;
};

// The one main window, for the simulation windows (nullptr before it exists).
TOrbicola* Orbicola();

}  // namespace orb
