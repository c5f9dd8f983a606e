// SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of what screen readers read of the game
// (miroir_accessible.cpp): elements with ARIA roles over the widgets they
// stand for, in the layer the page gives (Module.quartelo4Miroir), which
// sees no pointer and shows nothing. Each pass of the program names every
// element it sees, parents first; what it no longer sees goes. An element
// activated (a click, or Enter or Space on it) asks the program for its
// widget's action.
//
// The canvas's pixels are hidden from screen readers, which the browser
// allows only while it does not have the focus: the layer, « Quartelo 4 »,
// takes the focus in its place, and hands every key to the canvas as it
// comes, which the game reads there as before. (emscripten's optimizer
// reads this file: no destructuring.)
Module.quartelo4Reflet = (function () {
  const calque = Module.quartelo4Miroir;
  if (!calque)
    return null;
  const toile = (Module.qtContainerElements || [])[0] || null;
  const COCHABLE = 1, COCHE = 2, INACTIF = 4, CONTENEUR = 8;
  const elements = new Map();
  let vus = new Set();
  // Per parent, the last element placed in it during the pass.
  let derniers = new Map();
  // The keys whose press activated an element: their release stays there too.
  const retenues = new Set();

  function agir(cible, choix) {
    if (Module._quartelo4_miroir_agir)
      Module._quartelo4_miroir_agir(cible, choix);
  }

  function creer(role, cible) {
    const element = document.createElement(role === 'select' ? 'select' : 'div');
    element.style.cssText = 'position:absolute;margin:0;padding:0;border:0;overflow:hidden;white-space:pre;';
    if (role === 'annonce') {
      element.setAttribute('aria-live', 'polite');
      element.setAttribute('aria-atomic', 'true');
    } else if (role === 'select') {
      element.addEventListener('change', () => agir(cible, element.selectedIndex));
    } else if (role !== 'texte') {
      element.setAttribute('role', role);
    }
    // Out of the page's tab order: Tab is the game's.
    if (role === 'select' || role === 'button' || role === 'checkbox' || role === 'radio')
      element.tabIndex = -1;
    if (role === 'button' || role === 'checkbox' || role === 'radio') {
      element.addEventListener('click', (evenement) => {
        evenement.preventDefault();
        if (element.getAttribute('aria-disabled') !== 'true')
          agir(cible, -1);
      });
      element.addEventListener('keydown', (evenement) => {
        if (evenement.key !== 'Enter' && evenement.key !== ' ')
          return;
        evenement.preventDefault();
        evenement.stopPropagation();
        retenues.add(evenement.code);
        if (!evenement.repeat)
          element.click();
      });
    }
    element.dataset.role = role;
    return element;
  }

  function attribut(element, nom, valeur) {
    if (valeur === null || valeur === '') {
      if (element.hasAttribute(nom))
        element.removeAttribute(nom);
    } else if (element.getAttribute(nom) !== valeur) {
      element.setAttribute(nom, valeur);
    }
  }

  function texte(element, valeur, annoncer) {
    if (element.textContent !== valeur)
      element.textContent = valeur;
    else if (annoncer) {
      // The same words, said again: a new text in the live region.
      element.textContent = '';
      element.textContent = valeur;
    }
  }

  function options(element, liste, choisi) {
    const noms = liste === '' ? [] : liste.split('\n');
    const actuels = Array.from(element.options, (option) => option.text);
    if (actuels.join('\n') !== noms.join('\n')) {
      element.replaceChildren(...noms.map((nom) => new Option(nom)));
    }
    if (element.selectedIndex !== choisi)
      element.selectedIndex = choisi;
  }

  function placer(element, x, y, largeur, hauteur) {
    const style = element.style;
    const px = (valeur) => Math.round(valeur * 100) / 100 + 'px';
    if (style.left !== px(x)) style.left = px(x);
    if (style.top !== px(y)) style.top = px(y);
    if (style.width !== px(largeur)) style.width = px(largeur);
    if (style.height !== px(hauteur)) style.height = px(hauteur);
  }

  function oublier(id, element) {
    if (toile && element.contains(document.activeElement))
      toile.focus();
    element.remove();
    elements.delete(id);
  }

  // A key, to the game; what the game takes, the browser does not.
  function transmettre(evenement) {
    if (!toile || evenement.target.tagName === 'SELECT' || evenement.defaultPrevented)
      return;
    if (evenement.type === 'keyup' && retenues.delete(evenement.code)) {
      evenement.preventDefault();
      return;
    }
    evenement.stopPropagation();
    const prise = !toile.dispatchEvent(new KeyboardEvent(evenement.type, {
      key: evenement.key, code: evenement.code, location: evenement.location,
      repeat: evenement.repeat, shiftKey: evenement.shiftKey, ctrlKey: evenement.ctrlKey,
      altKey: evenement.altKey, metaKey: evenement.metaKey, bubbles: true, cancelable: true,
    }));
    if (prise)
      evenement.preventDefault();
  }
  calque.setAttribute('role', 'application');
  calque.setAttribute('aria-label', 'Quartelo 4');
  calque.tabIndex = 0;
  calque.addEventListener('keydown', transmettre);
  calque.addEventListener('keyup', transmettre);
  if (toile) {
    toile.setAttribute('aria-hidden', 'true');
    toile.addEventListener('focus', () => calque.focus());
  }

  return {
    debut() {
      vus = new Set();
      derniers = new Map();
    },
    element(id, cible, parent, role, nom, description, etat, x, y, largeur, hauteur, liste, choisi, annoncer) {
      let element = elements.get(id);
      if (element && element.dataset.role !== role) {
        oublier(id, element);
        element = null;
      }
      if (!element) {
        element = creer(role, cible);
        elements.set(id, element);
      }
      vus.add(id);
      const conteneur = parent === '' ? calque : elements.get(parent) || calque;
      const precedent = derniers.get(conteneur) || null;
      const place = precedent ? precedent.nextSibling : conteneur.firstChild;
      if (element !== place)
        conteneur.insertBefore(element, place);
      derniers.set(conteneur, element);

      if (role === 'select') {
        options(element, liste, choisi);
        attribut(element, 'aria-label', nom);
      } else if (role === 'alertdialog' || (etat & CONTENEUR) !== 0) {
        attribut(element, 'aria-label', nom);
      } else {
        texte(element, nom, annoncer);
      }
      attribut(element, 'aria-description', description);
      attribut(element, 'aria-checked', (etat & COCHABLE) ? String((etat & COCHE) !== 0) : null);
      attribut(element, 'aria-disabled', (etat & INACTIF) ? 'true' : null);
      if (role === 'select')
        element.disabled = (etat & INACTIF) !== 0;
      if (role === 'alertdialog' || role === 'dialog')
        attribut(element, 'aria-modal', 'true');
      placer(element, x, y, largeur, hauteur);
    },
    fin() {
      elements.forEach((element, id) => {
        if (!vus.has(id))
          oublier(id, element);
      });
    },
  };
}());
