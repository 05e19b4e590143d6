// A tour of the game through its own entry points that brings up as many of its boxes and texts as
// a player can meet: refusals, both kinds of game and their ends, the computer's turn, the history,
// records written and read (good, empty, faulty, unreadable, the kept last game), the board turned
// round, a missing sound device and an empty sound file.
#pragma once

#include "game/autosave.h"
#include "game/controller.h"
#include "game/places.h"
#include "play.h"

namespace orizen::test {

inline void tour(Harness& h) {
    Game& g = h.game;
    h.host.folder = h.folder.path.string();
    h.host.defaultAnswer = Answer::Yes;

    h.click(5, 18);  // no game yet
    runCommand(g, Menu::KIFU_WRITE);
    g.Command1_Click();  // no file name
    h.host.fields[1] = "tour";
    g.Command1_Click();  // nothing to save

    // Two people: moves, a promotion that must be asked for, the history, a record written.
    runCommand(g, Menu::START);
    play(h, 5, 18, 5, 17);
    play(h, 5, 10, 5, 11);
    runCommand(g, Menu::REPLAY);
    runCommand(g, Menu::AFTER);
    runCommand(g, Menu::AFTER);  // no more moves
    h.click(5, 17);              // resumes
    runCommand(g, Menu::KIFU_WRITE);
    h.host.fields[1] = "tour", h.host.fields[2] = "Tour", h.host.fields[3] = "Sato", h.host.fields[4] = "Kato";
    g.Command1_Click();
    h.host.fields[1] = "..";
    g.Command1_Click();  // a name that cannot be used

    // The record read back, viewed, and left.
    const std::string saved = (h.folder.path / "tour.棋譜").string();
    g.File1_Click(saved);
    runCommand(g, Menu::AFTER);
    runCommand(g, Menu::REVERSE);  // not while viewing a record
    h.host.answers = {Answer::No};
    h.click(5, 17);
    h.folder.write("empty.棋譜", "a\r\nb\r\nc\r\n");
    g.File1_Click((h.folder.path / "empty.棋譜").string());
    h.folder.write("bad.棋譜", "a\r\nb\r\nc\r\n5 185 17-30 -30 0   \r\nxyz\r\n");
    g.File1_Click((h.folder.path / "bad.棋譜").string());
    g.File1_Click((h.folder.path / "missing.棋譜").string());

    // The kept last game, read back: its names are the game's own.
    runCommand(g, Menu::CANCEL);
    runCommand(g, Menu::SENTE);
    play(h, 5, 18, 5, 17);  // and the computer answers
    Autosave kept((h.folder.path / kLastGameFile).string());
    kept.check(g.moveHistory(), g.state());
    g.File1_Click(kept.path());
    h.host.answers = {Answer::No};
    h.click(5, 17);

    // Games won by either side, against the computer and between two people.
    runCommand(g, Menu::SENTE);
    clearPosition(g);
    g.arrange().pos.Board(14, 5) = -900;
    h.host.answers = {Answer::Yes};
    play(h, 14, 5, 14, 1);
    runCommand(g, Menu::GOTE);
    clearPosition(g);
    g.arrange().pos.Board(14, 20) = 900;
    g.arrange().pos.Board(1, 20) = -30;
    h.host.answers = {Answer::Yes};
    play(h, 1, 20, 1, 19);  // the computer takes the king
    runCommand(g, Menu::START);
    clearPosition(g);
    g.arrange().pos.Board(1, 20) = -30;
    g.arrange().pos.Board(14, 5) = -900;
    g.arrange().pos.Board(5, 2) = -30;
    h.host.answers = {Answer::Yes};
    play(h, 5, 2, 5, 1);  // must promote
    play(h, 14, 5, 14, 1);
    runCommand(g, Menu::START);
    clearPosition(g);
    g.arrange().pos.Board(1, 20) = -30;
    g.arrange().pos.Board(14, 5) = 900;
    play(h, 1, 20, 1, 19);
    h.host.answers = {Answer::Yes};
    play(h, 14, 5, 14, 27);

    // A game against the computer at LEVEL4, then the board turned round: no record of it.
    runCommand(g, Menu::LEVEL4);
    runCommand(g, Menu::SENTE);
    play(h, 14, 18, 14, 17);
    runCommand(g, Menu::LEVEL3);
    runCommand(g, Menu::REVERSE);
    runCommand(g, Menu::KIFU_WRITE);
    runCommand(g, Menu::KAISETU);
    runCommand(g, Menu::VER);
}

// Start-ups without a sound device and with an empty sound file.
inline void soundTour(Harness& h) {
    h.sound.deviceAvailable = false;
    h.game.Form_Load();
    h.sound.deviceAvailable = true;
    h.folder.write("BGM.wav", "");
    h.game.Form_Load();
}

}  // namespace orizen::test
