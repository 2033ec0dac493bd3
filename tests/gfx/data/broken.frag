#version 130
// Not GLSL: the compiler must reject it.
void main()
{
    gl_FragColor = undeclared_fragment_input;
}
//~
